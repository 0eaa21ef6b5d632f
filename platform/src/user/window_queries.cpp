#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using namespace platform::user;

BOOL AnswerRect(HWND handle, LPRECT answer, RECT (*rectOf)(const Window&))
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    if (!answer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *answer = rectOf(*window);
    return TRUE;
}

}  // namespace

BOOL WINAPI IsWindow(HWND hWnd) { return Windows().Find(hWnd) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    std::shared_ptr<Window> window = Windows().Find(hWnd);
    return window && IsShownWithAncestors(*window);
}

// A popup answers its owner, as on the platform; other top-level windows none.
HWND WINAPI GetParent(HWND hWnd)
{
    std::shared_ptr<Window> window = FindOrFail(hWnd);
    if (!window) return nullptr;
    if (window->parent) return window->parent;
    return (window->style & WS_POPUP) ? window->owner : nullptr;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) { return AnswerRect(hWnd, lpRect, ClientRect); }

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) { return AnswerRect(hWnd, lpRect, ScreenRect); }
