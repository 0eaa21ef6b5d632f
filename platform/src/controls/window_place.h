// A control's rectangle where its parent's code sees it.
#pragma once

#include <windows.h>

namespace platform::controls {

// In the parent's client coordinates (screen coordinates for a top-level window).
RECT PlaceInParent(HWND window);

// A new height, the top-left corner and width kept.
void SetHeight(HWND window, int height);

}  // namespace platform::controls
