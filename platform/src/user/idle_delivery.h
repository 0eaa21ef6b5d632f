// What the device's message loop delivers while the user is idle: timers as
// the clock passes their due times, and paints.
#pragma once

#include <cstdint>
#include <memory>

#include "user/window.h"

namespace platform::user {

// WM_PAINT to the window, when shown with an update rectangle, then likewise
// down its subtree, parents first.
void PaintTree(const std::shared_ptr<Window>& window);

// PaintTree over every top-level window, lowest first, after the idle
// watcher has had its look.
void PaintAll();

// Called each time the device falls idle, before the paints: the shell's
// bars catch up with what changed. Null for none.
void SetIdleWatcher(void (*watcher)());

// The clock's advance handler: walks the clock to UNTIL, delivering each
// timer at its due time, and paints after each.
void RunTimersUntil(uint64_t until);

}  // namespace platform::user
