// Questions answered by walking up the window tree.
#pragma once

#include <memory>

#include "user/window.h"

namespace platform::user {

// The window's rectangle in screen coordinates.
RECT ScreenRect(const Window& window);

// The window's client area in its own coordinates. No window here has a
// caption or border of its own, so it is the whole window.
RECT ClientRect(const Window& window);

// True when the window and every ancestor have WS_VISIBLE.
bool IsShownWithAncestors(const Window& window);

// The top-level window the window belongs to (itself when it is top-level).
std::shared_ptr<Window> TopLevelOf(std::shared_ptr<Window> window);

}  // namespace platform::user
