#include <windows.h>

// A direct call, as on the platform: the message is not logged again, since
// the subclass that passes it on has already received it.
LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!lpPrevWndFunc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}
