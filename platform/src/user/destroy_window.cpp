#include "kernel/api_guard.h"
#include "user/dispatch.h"
#include "user/exposure.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

// Lists are read afresh after every message: a procedure may create or destroy
// windows while it handles WM_DESTROY.
HWND NextOwnedWindowToDestroy(HWND owner)
{
    for (HWND handle : Windows().TopLevel()) {
        std::shared_ptr<Window> window = Windows().Find(handle);
        if (window && window->owner == owner && !window->destroying) return handle;
    }
    return nullptr;
}

std::shared_ptr<Window> NextChildToDestroy(const Window& parent)
{
    for (HWND handle : parent.children) {
        std::shared_ptr<Window> child = Windows().Find(handle);
        if (child && !child->destroying) return child;
    }
    return nullptr;
}

// WM_DESTROY goes to the window first, then to its children, depth first.
void SendDestroyMessages(const std::shared_ptr<Window>& window)
{
    Deliver(window, WM_DESTROY, 0, 0);
    while (std::shared_ptr<Window> child = NextChildToDestroy(*window)) {
        child->destroying = true;
        SendDestroyMessages(child);
    }
}

// A dying window's timers and capture go with it, without a message.
void Forget(HWND handle)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return;
    for (HWND child : std::vector<HWND>(window->children)) Forget(child);
    Timers().KillAllOf(handle);
    if (Input().capture == handle) Input().capture = nullptr;
    if (WindowClass* windowClass = Classes().Find(MAKEINTATOM(window->classAtom))) --windowClass->windowCount;
    Windows().Remove(handle);
}

// Owned windows go first, each destroyed whole; then the window's own
// subtree hears WM_DESTROY, and only then do its handles die, all at once.
BOOL Destroy(HWND handle)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (window->destroying) return TRUE;
    window->destroying = true;
    while (HWND owned = NextOwnedWindowToDestroy(handle)) DestroyWindow(owned);
    SendDestroyMessages(window);
    ExposeParentUnder(*window);
    Forget(handle);
    return TRUE;
}

}  // namespace

BOOL WINAPI DestroyWindow(HWND hWnd)
{
    return Guarded<BOOL>(FALSE, [&] { return Destroy(hWnd); });
}
