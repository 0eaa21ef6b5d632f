#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/exposure.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

enum class Showing { Hide, Show, Unknown };

Showing ShowingFor(int command)
{
    switch (command) {
    case SW_HIDE:
        return Showing::Hide;
    case SW_SHOWNORMAL:
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_SHOWNA:
        return Showing::Show;
    default:
        return Showing::Unknown;
    }
}

// WM_SHOWWINDOW comes before the change, and only with one. Desktop Windows
// follows it with WM_WINDOWPOSCHANGING/CHANGED that move nothing; they are
// left out here.
BOOL Show(HWND handle, int command)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Showing showing = ShowingFor(command);
    if (showing == Showing::Unknown) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool wasVisible = (window->style & WS_VISIBLE) != 0;
    bool show = showing == Showing::Show;
    if (show == wasVisible || !Notify(handle, WM_SHOWWINDOW, show, 0)) return wasVisible;
    if (show) {
        window->style |= WS_VISIBLE;
        InvalidateRect(handle, nullptr, TRUE);  // all of it is new on the screen
    } else {
        ExposeParentUnder(*window);
        window->style &= ~WS_VISIBLE;
    }
    return wasVisible;
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow)
{
    return Guarded<BOOL>(FALSE, [&] { return Show(hWnd, nCmdShow); });
}
