// The device's screen and the shell's fixed bars on it, in pixels, and what
// the screen shows.
#pragma once

#include <windef.h>

#include <device/image.h>

namespace device {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr int kNavigationBarHeight = 26;  // the shell's title and Start bar along the top
constexpr int kMenuBarHeight = 26;        // the command bar along the bottom
// The input panel stands on the menu bar, so its bottom edge never moves.
constexpr int kInputPanelBottom = kScreenHeight - kMenuBarHeight;

// Where no window is, the screen shows the desktop: this colour, and what
// the whole screen's context (GetDC of no window) drew there.
constexpr COLORREF kDesktopColour = RGB(255, 255, 255);

// The screen as drawn so far, composed from the shown top-level windows
// (WS_EX_TOPMOST ones above the rest, later ones above earlier). Paints still
// pending are not delivered first: see DeliverPaints.
Image CaptureScreen();

// The part of the screen within RECT (screen coordinates), cut to the screen.
Image CaptureScreenRect(const RECT& rect);

// One pixel of the screen; CLR_INVALID off the screen.
COLORREF ScreenPixel(int x, int y);

}  // namespace device
