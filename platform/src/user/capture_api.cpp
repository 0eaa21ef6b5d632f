#include <device/pen.h>

#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

// The window losing the capture hears of it, with the window gaining it (or
// null), even when it lets go itself. A window capturing again keeps what it
// has and hears nothing.
HWND MoveCapture(HWND to)
{
    HWND from = Input().capture;
    Input().capture = to;
    if (from && from != to) Notify(from, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(to));
    return from;
}

HWND Capture(HWND handle)
{
    if (!FindOrFail(handle)) return nullptr;
    return MoveCapture(handle);
}

}  // namespace

HWND WINAPI SetCapture(HWND hWnd)
{
    return Guarded<HWND>(nullptr, [&] { return Capture(hWnd); });
}

BOOL WINAPI ReleaseCapture(void)
{
    return Guarded<BOOL>(FALSE, [] {
        MoveCapture(nullptr);
        return TRUE;
    });
}

HWND WINAPI GetCapture(void) { return Input().capture; }

UINT WINAPI GetDoubleClickTime(void) { return device::kDoubleTapTime; }
