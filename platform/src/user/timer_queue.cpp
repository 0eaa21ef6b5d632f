#include "user/timer_queue.h"

#include <algorithm>
#include <tuple>

namespace platform::user {

void TimerQueue::Set(HWND window, UINT id, uint64_t elapse, uint64_t now)
{
    Kill(window, id);
    timers.push_back({window, id, elapse, now + elapse, nextOrder++});
}

bool TimerQueue::Kill(HWND window, UINT id)
{
    auto found = std::find_if(timers.begin(), timers.end(),
                              [&](const Timer& timer) { return timer.window == window && timer.id == id; });
    if (found == timers.end()) return false;
    timers.erase(found);
    return true;
}

void TimerQueue::KillAllOf(HWND window)
{
    std::erase_if(timers, [&](const Timer& timer) { return timer.window == window; });
}

void TimerQueue::Clear() { timers.clear(); }

std::optional<DueTimer> TimerQueue::TakeNextDue(uint64_t until, uint64_t& due)
{
    auto first = std::min_element(timers.begin(), timers.end(), [](const Timer& a, const Timer& b) {
        return std::tie(a.due, a.order) < std::tie(b.due, b.order);
    });
    if (first == timers.end() || first->due > until) return std::nullopt;
    due = first->due;
    first->due += first->elapse;
    return DueTimer{first->window, first->id};
}

}  // namespace platform::user
