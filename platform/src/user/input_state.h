// Where input goes: the capture, the focus, the active window and the pen's own state.
#pragma once

#include <windef.h>

#include "user/double_tap_detector.h"

namespace platform::user {

struct InputState {
    HWND capture = nullptr;  // takes every pen event while set
    HWND focus = nullptr;    // takes the keyboard's attention
    HWND active = nullptr;   // the foreground top-level window
    bool penDown = false;
    DoubleTapDetector taps;
};

}  // namespace platform::user
