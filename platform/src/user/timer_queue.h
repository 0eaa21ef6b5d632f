// The device's window timers, ordered by when they fall due. A timer is known
// by its window and identifier; setting one again replaces it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <windef.h>

namespace platform::user {

struct DueTimer {
    HWND window;
    UINT id;
};

class TimerQueue {
public:
    // Starts (or restarts) the timer to fall due every ELAPSE ms from NOW.
    void Set(HWND window, UINT id, uint64_t elapse, uint64_t now);
    bool Kill(HWND window, UINT id);
    void KillAllOf(HWND window);
    void Clear();

    // The timer that falls due first at or before UNTIL (ties: the one set
    // first), already rescheduled for its next period; its due time is in DUE.
    std::optional<DueTimer> TakeNextDue(uint64_t until, uint64_t& due);

private:
    struct Timer {
        HWND window;
        UINT id;
        uint64_t elapse;
        uint64_t due;
        uint64_t order;  // when it was set, among all timers
    };

    std::vector<Timer> timers;
    uint64_t nextOrder = 0;
};

}  // namespace platform::user
