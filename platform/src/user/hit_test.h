// The window a pen touching the screen lands on.
#pragma once

#include <memory>

#include "user/window.h"

namespace platform::user {

// The deepest visible, enabled window whose rectangle holds the screen POINT,
// each child inside its parent's rectangle: the last-created sibling on top,
// WS_EX_TOPMOST top-level windows above the rest. A disabled or hidden window
// takes nothing, and neither do its children. Null over no window.
std::shared_ptr<Window> WindowAt(POINT point);

}  // namespace platform::user
