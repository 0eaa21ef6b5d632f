#include <algorithm>

#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/position_messages.h"
#include "user/user_state.h"
#include "user/window_tree.h"
#include "user/work_area.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

bool IsOverlapped(DWORD style) { return !(style & (WS_CHILD | WS_POPUP)); }

// CW_USEDEFAULT places an overlapped window the way the shell lays out an
// application: over the whole work area. Any other window gets 0 for it.
void ResolveDefaultPlacement(CREATESTRUCTW& create)
{
    RECT workArea = WorkArea();
    bool shellPlaced = IsOverlapped(create.style);
    if (create.x == CW_USEDEFAULT) {
        create.x = shellPlaced ? workArea.left : 0;
        create.y = shellPlaced ? workArea.top : 0;
    }
    if (create.cx == CW_USEDEFAULT) {
        create.cx = shellPlaced ? workArea.right - workArea.left : 0;
        create.cy = shellPlaced ? workArea.bottom - workArea.top : 0;
    }
    create.cx = std::max(create.cx, 0);
    create.cy = std::max(create.cy, 0);
}

// A WS_CHILD window lives inside hWndParent; any other window given one is a
// top-level window owned by hWndParent's top-level window.
bool SetRelatives(Window& window, HWND hWndParent)
{
    std::shared_ptr<Window> given = Windows().Find(hWndParent);
    if (hWndParent && !given) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (window.style & WS_CHILD) {
        if (!given) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return false;
        }
        window.parent = hWndParent;
    } else if (given) {
        window.owner = TopLevelOf(given)->handle;
    }
    return true;
}

// The window exists, without WS_VISIBLE, before its procedure hears of it.
std::shared_ptr<Window> AddWindow(WindowClass& windowClass, const CREATESTRUCTW& create)
{
    Window window{.handle = nullptr,
                  .classAtom = windowClass.atom,
                  .className = windowClass.name,
                  .procedure = windowClass.procedure,
                  .style = static_cast<DWORD>(create.style & ~WS_VISIBLE),
                  .exStyle = create.dwExStyle,
                  .id = reinterpret_cast<LONG_PTR>(create.hMenu),
                  .rect = {create.x, create.y, create.x + create.cx, create.y + create.cy},
                  .text = create.lpszName ? create.lpszName : u"",
                  .extraBytes = std::vector<BYTE>(windowClass.windowExtraBytes)};
    if (!SetRelatives(window, create.hwndParent)) return nullptr;
    ++windowClass.windowCount;
    return Windows().Add(std::move(window));
}

// WM_CREATE, then WM_SIZE and WM_MOVE, then WM_SHOWWINDOW for a window asked
// to be visible. False when the window did not live through it: WM_CREATE
// refused it (-1), or its procedure destroyed it on the way.
bool Announce(const std::shared_ptr<Window>& window, CREATESTRUCTW& create)
{
    HWND handle = window->handle;
    if (Deliver(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        if (Windows().Find(handle)) DestroyWindow(handle);
        return false;
    }
    if (!Windows().Find(handle) || !SendSizeMessage(handle) || !SendMoveMessage(handle)) return false;
    if (create.style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
    return Windows().Find(handle) != nullptr;
}

HWND Create(CREATESTRUCTW& create)
{
    WindowClass* windowClass = Classes().Find(create.lpszClass);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    ResolveDefaultPlacement(create);
    std::shared_ptr<Window> window = AddWindow(*windowClass, create);
    return window && Announce(window, create) ? window->handle : nullptr;
}

}  // namespace

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    CREATESTRUCTW create{.lpCreateParams = lpParam,
                         .hInstance = hInstance,
                         .hMenu = hMenu,
                         .hwndParent = hWndParent,
                         .cy = nHeight,
                         .cx = nWidth,
                         .y = Y,
                         .x = X,
                         .style = static_cast<LONG>(dwStyle),
                         .lpszName = lpWindowName,
                         .lpszClass = lpClassName,
                         .dwExStyle = dwExStyle};
    return Guarded<HWND>(nullptr, [&] { return Create(create); });
}
