#include "user/dispatch.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using namespace platform::user;

// A handle kept past its window answers null, as the platform forgets a
// destroyed window's focus and activation.
HWND Live(HWND handle) { return Windows().Find(handle) ? handle : nullptr; }

// WM_ACTIVATE tells the old window first, then the new one.
HWND Activate(HWND handle)
{
    HWND previous = Live(Input().active);
    if (previous == handle) return previous;
    Input().active = handle;
    if (previous) Notify(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(handle));
    if (handle) Notify(handle, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    return previous;
}

std::shared_ptr<Window> TopLevelOrFail(HWND handle)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    return window ? TopLevelOf(window) : nullptr;
}

}  // namespace

BOOL WINAPI SetForegroundWindow(HWND hWnd)
{
    std::shared_ptr<Window> window = TopLevelOrFail(hWnd);
    if (!window) return FALSE;
    Activate(window->handle);
    return TRUE;
}

HWND WINAPI GetForegroundWindow(void) { return Live(Input().active); }

HWND WINAPI SetActiveWindow(HWND hWnd)
{
    std::shared_ptr<Window> window = TopLevelOrFail(hWnd);
    if (!window) return nullptr;
    return Activate(window->handle);
}

HWND WINAPI GetActiveWindow(void) { return Live(Input().active); }

// The window's top-level window becomes active first, as on the platform.
HWND WINAPI SetFocus(HWND hWnd)
{
    HWND previous = Live(Input().focus);
    if (hWnd) {
        std::shared_ptr<Window> window = TopLevelOrFail(hWnd);
        if (!window) return nullptr;
        Activate(window->handle);
    }
    if (previous == hWnd) return previous;
    Input().focus = hWnd;
    if (previous) Notify(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd && Live(Input().focus) == hWnd) Notify(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND WINAPI GetFocus(void) { return Live(Input().focus); }
