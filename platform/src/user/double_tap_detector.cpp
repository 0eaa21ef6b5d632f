#include "user/double_tap_detector.h"

#include <cstdlib>

#include <device/pen.h>

namespace platform::user {

bool DoubleTapDetector::IsSecondTap(HWND window, POINT at, uint64_t now, bool wantsDouble)
{
    bool second = wantsDouble && first && Completes(*first, window, at, now);
    if (second)
        first.reset();
    else
        first = Tap{window, at, now};
    return second;
}

bool DoubleTapDetector::Completes(const Tap& tap, HWND window, POINT at, uint64_t now) const
{
    return tap.window == window && now - tap.time <= device::kDoubleTapTime &&
           std::labs(at.x - tap.at.x) <= device::kDoubleTapWidth / 2 &&
           std::labs(at.y - tap.at.y) <= device::kDoubleTapHeight / 2;
}

}  // namespace platform::user
