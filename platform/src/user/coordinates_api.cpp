#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using namespace platform::user;

BOOL Offset(HWND handle, LPPOINT point, int direction)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    if (!point) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    RECT origin = ScreenRect(*window);
    point->x += direction * origin.left;
    point->y += direction * origin.top;
    return TRUE;
}

}  // namespace

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) { return Offset(hWnd, lpPoint, -1); }

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) { return Offset(hWnd, lpPoint, 1); }
