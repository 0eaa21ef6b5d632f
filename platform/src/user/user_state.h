// The window manager's state belongs to the device: it starts empty with each
// device and ends with it.
#pragma once

#include "user/class_registry.h"
#include "user/input_state.h"
#include "user/timer_queue.h"
#include "user/window_table.h"

namespace platform::user {

ClassRegistry& Classes();
WindowTable& Windows();
InputState& Input();
TimerQueue& Timers();

// The live window HANDLE names; null, with the platform's error set, when none.
std::shared_ptr<Window> FindOrFail(HWND handle);

// Forgets every window, class, timer, capture and logged message without
// sending a message: the device is closing or starting afresh, and the
// procedures' libraries may be gone.
void Reset();

}  // namespace platform::user
