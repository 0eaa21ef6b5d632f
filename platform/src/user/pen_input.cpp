#include <string>

#include <device/faults.h>
#include <device/pen.h>

#include "kernel/virtual_clock.h"
#include "user/dispatch.h"
#include "user/hit_test.h"
#include "user/idle_delivery.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using namespace platform::user;

std::shared_ptr<Window> TargetAt(POINT point)
{
    std::shared_ptr<Window> captured = Windows().Find(Input().capture);
    return captured ? captured : WindowAt(point);
}

// Client coordinates, each kept to its signed 16 bits; outside the window
// (under capture) they are negative or beyond its size.
LPARAM ClientPosition(const Window& window, POINT point)
{
    RECT screen = ScreenRect(window);
    return MAKELPARAM(static_cast<SHORT>(point.x - screen.left), static_cast<SHORT>(point.y - screen.top));
}

bool WantsDoubleTaps(const Window& window)
{
    const WindowClass* windowClass = Classes().Find(MAKEINTATOM(window.classAtom));
    return windowClass && (windowClass->style & CS_DBLCLKS);
}

UINT PenDownMessage(const Window& window, POINT point)
{
    bool second = Input().taps.IsSecondTap(window.handle, point, platform::kernel::ClockTicks(),
                                           WantsDoubleTaps(window));
    return second ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

HWND Send(POINT point, UINT message, WPARAM keys)
{
    std::shared_ptr<Window> target = TargetAt(point);
    if (target) {
        if (message == WM_LBUTTONDOWN) message = PenDownMessage(*target, point);
        Notify(target->handle, message, keys, ClientPosition(*target, point));
    }
    PaintAll();
    return target ? target->handle : nullptr;
}

// A pen-down needs the pen up, a pen-up needs it down.
bool PenIs(bool mustBeDown, const char* event)
{
    if (Input().penDown == mustBeDown) return true;
    device::ReportFault(std::string(event) + " while the pen is " + (mustBeDown ? "up" : "down"));
    return false;
}

}  // namespace

namespace device {

HWND PenDown(int x, int y)
{
    if (!PenIs(false, "pen down")) return nullptr;
    Input().penDown = true;
    return Send({x, y}, WM_LBUTTONDOWN, MK_LBUTTON);
}

HWND PenMove(int x, int y) { return Input().penDown ? Send({x, y}, WM_MOUSEMOVE, MK_LBUTTON) : nullptr; }

HWND PenUp(int x, int y)
{
    if (!PenIs(true, "pen up")) return nullptr;
    Input().penDown = false;
    return Send({x, y}, WM_LBUTTONUP, 0);
}

void Tap(int x, int y)
{
    PenDown(x, y);
    PenUp(x, y);
}

bool IsPenDown() { return Input().penDown; }

}  // namespace device
