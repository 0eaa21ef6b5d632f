#include "kernel/api_guard.h"
#include "user/broadcast.h"
#include "user/dispatch.h"
#include "user/user_state.h"

using namespace platform::user;
using platform::kernel::Guarded;

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return Guarded<LRESULT>(0, [&]() -> LRESULT {
        if (hWnd == HWND_BROADCAST) return Broadcast(Msg, wParam, lParam);
        std::shared_ptr<Window> window = Windows().Find(hWnd);
        if (!window) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        return Deliver(window, Msg, wParam, lParam);
    });
}
