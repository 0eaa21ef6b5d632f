// Where input goes: the capture, the focus, the active window and the pen's
// own state; and the cursor that tells the user whether input is taken.
#pragma once

#include <windef.h>

#include "user/double_tap_detector.h"

namespace platform::user {

struct InputState {
    HWND capture = nullptr;  // takes every pen event while set
    HWND focus = nullptr;    // takes the keyboard's attention
    HWND active = nullptr;   // the foreground top-level window
    HCURSOR cursor = nullptr;  // as SetCursor left it; none until one is set
    bool penDown = false;
    DoubleTapDetector taps;
};

}  // namespace platform::user
