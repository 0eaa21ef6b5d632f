// The pen on the touch screen, as the driver moves it, in screen pixels.
//
// An event goes to the window holding the capture, else to the deepest
// visible, enabled window under the point (later-created siblings above
// earlier ones, WS_EX_TOPMOST top-level windows above the rest); a point over
// no window reaches nobody. The platform never captures by itself on pen-down:
// a window that wants the strokes leaving it calls SetCapture. A second
// pen-down soon and near enough after the first on the same window arrives as
// WM_LBUTTONDBLCLK when the window's class asks for double clicks. Pending
// paints are delivered after every event.
#pragma once

#include <windef.h>

namespace device {

// The platform's defaults: the desktop's documented double-click time and
// rectangle (SM_CXDOUBLECLK x SM_CYDOUBLECLK, centred on the first tap), as
// Windows CE documents none of its own. Both limits count as inside.
constexpr DWORD kDoubleTapTime = 500;
constexpr int kDoubleTapWidth = 4;
constexpr int kDoubleTapHeight = 4;

// Each answers the window that received the message, or null. A touch screen
// senses no hovering pen: a move while the pen is up reaches nobody. A
// pen-down while the pen is down, or a pen-up while it is up, is a mistake of
// the driver: it is reported as a device fault and delivers nothing.
HWND PenDown(int x, int y);
HWND PenMove(int x, int y);
HWND PenUp(int x, int y);

// Pen-down and pen-up at the same point.
void Tap(int x, int y);

bool IsPenDown();

}  // namespace device
