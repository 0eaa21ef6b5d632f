#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/user_state.h"

using namespace platform::user;

// Answers whether the window was disabled before. WM_ENABLE comes only with a
// change, after it, so the window can draw its new look.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    if (!window) return FALSE;
    bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == !bEnable) return wasDisabled;
    if (bEnable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (Input().focus == hWnd) SetFocus(nullptr);
    }
    Notify(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    return window && !(window->style & WS_DISABLED);
}
