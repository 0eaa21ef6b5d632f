// Tells a double tap from two taps: the second pen-down on the same window,
// within the double-tap time and rectangle of the first. The tap that
// completes a double tap is not the first of another, so a third starts over.
#pragma once

#include <cstdint>
#include <optional>

#include <windef.h>

namespace platform::user {

class DoubleTapDetector {
public:
    // Called at every pen-down, at screen point AT; WANTS_DOUBLE is whether
    // the window's class takes double clicks. True when this pen-down is to
    // arrive as a double tap.
    bool IsSecondTap(HWND window, POINT at, uint64_t now, bool wantsDouble);
    void Forget() { first.reset(); }

private:
    struct Tap {
        HWND window;
        POINT at;
        uint64_t time;
    };

    bool Completes(const Tap& tap, HWND window, POINT at, uint64_t now) const;

    std::optional<Tap> first;
};

}  // namespace platform::user
