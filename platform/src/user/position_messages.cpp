#include "user/position_messages.h"

#include "user/dispatch.h"
#include "user/user_state.h"

namespace platform::user {

bool SendSizeMessage(HWND handle)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return false;
    const RECT& rect = window->rect;
    return Notify(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.right - rect.left, rect.bottom - rect.top));
}

bool SendMoveMessage(HWND handle)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return false;
    return Notify(handle, WM_MOVE, 0, MAKELPARAM(window->rect.left, window->rect.top));
}

}  // namespace platform::user
