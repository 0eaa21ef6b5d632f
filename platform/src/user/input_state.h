// Where the pen's input goes: the capture and the pen's own state.
#pragma once

#include <windef.h>

#include "user/double_tap_detector.h"

namespace platform::user {

struct InputState {
    HWND capture = nullptr;  // takes every pen event while set
    bool penDown = false;
    DoubleTapDetector taps;
};

}  // namespace platform::user
