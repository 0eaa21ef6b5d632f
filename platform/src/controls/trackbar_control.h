// What the user's hand needs of a trackbar.
#pragma once

#include <optional>

#include <windows.h>

namespace platform::controls {

// Where the thumb's middle stands at POSITION (client coordinates); nothing
// for a window that is not a trackbar.
std::optional<POINT> TrackbarPoint(HWND trackbar, int position);

}  // namespace platform::controls
