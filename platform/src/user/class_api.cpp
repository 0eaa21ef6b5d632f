#include "kernel/api_guard.h"
#include "user/user_state.h"

using platform::kernel::Guarded;

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass)
{
    if (!lpWndClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Guarded<ATOM>(0, [&] { return platform::user::Classes().Register(*lpWndClass); });
}

// Classes belong to the device, not to a module: the instance does not take
// part in finding one.
BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE)
{
    return Guarded<BOOL>(FALSE, [&] { return platform::user::Classes().Unregister(lpClassName); });
}
