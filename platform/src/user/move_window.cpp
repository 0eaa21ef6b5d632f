#include <algorithm>

#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/exposure.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

// What does not change is flagged, as the platform does before it asks the window.
UINT UnchangedFlags(const RECT& rect, const WINDOWPOS& position)
{
    UINT flags = 0;
    if (position.x == rect.left && position.y == rect.top) flags |= SWP_NOMOVE;
    if (position.cx == rect.right - rect.left && position.cy == rect.bottom - rect.top) flags |= SWP_NOSIZE;
    return flags;
}

void Apply(RECT& rect, const WINDOWPOS& position)
{
    if (!(position.flags & SWP_NOMOVE)) {
        rect.right += position.x - rect.left;
        rect.bottom += position.y - rect.top;
        rect.left = position.x;
        rect.top = position.y;
    }
    if (!(position.flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(position.cx, 0);
        rect.bottom = rect.top + std::max(position.cy, 0);
    }
}

// WM_WINDOWPOSCHANGING lets the window amend the new place; when something did
// change, WM_WINDOWPOSCHANGED reports it, and DefWindowProcW turns that into
// WM_MOVE and WM_SIZE, as on the platform.
BOOL Move(HWND handle, int x, int y, int width, int height, BOOL repaint)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    WINDOWPOS position{.hwnd = handle,
                       .hwndInsertAfter = nullptr,
                       .x = x,
                       .y = y,
                       .cx = std::max(width, 0),
                       .cy = std::max(height, 0),
                       .flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW)};
    position.flags |= UnchangedFlags(window->rect, position);
    if (!Notify(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position))) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if ((position.flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return TRUE;
    if (repaint) ExposeParentUnder(*window);
    Apply(window->rect, position);
    if (repaint) InvalidateRect(handle, nullptr, TRUE);
    Notify(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    return TRUE;
}

}  // namespace

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint)
{
    return Guarded<BOOL>(FALSE, [&] { return Move(hWnd, X, Y, nWidth, nHeight, bRepaint); });
}
