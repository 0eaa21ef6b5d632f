// The window manager's state belongs to the device: it starts empty with each
// device and ends with it.
#pragma once

#include "user/class_registry.h"
#include "user/window_table.h"

namespace platform::user {

ClassRegistry& Classes();
WindowTable& Windows();

// Forgets every window, class and logged message without sending a message:
// the device is closing or starting afresh, and the procedures' libraries may
// be gone.
void Reset();

}  // namespace platform::user
