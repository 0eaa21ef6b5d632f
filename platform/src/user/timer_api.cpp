#include <algorithm>

#include "kernel/api_guard.h"
#include "kernel/virtual_clock.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

// An elapse of 0 would fall due again at once, for ever; the clock's own unit
// is the least a timer waits.
constexpr uint64_t kMinimumElapse = 1;

// Thread timers (no window) and timer procedures are dispatched by a message
// loop, which the simulated device does not run: both are refused.
UINT Set(HWND handle, UINT id, UINT elapse, TIMERPROC procedure)
{
    if (!handle || procedure) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    if (!FindOrFail(handle)) return 0;
    if (id == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Timers().Set(handle, id, std::max<uint64_t>(elapse, kMinimumElapse), platform::kernel::ClockTicks());
    return id;
}

BOOL Kill(HWND handle, UINT id)
{
    if (!FindOrFail(handle)) return FALSE;
    if (!Timers().Kill(handle, id)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

}  // namespace

UINT WINAPI SetTimer(HWND hWnd, UINT nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    return Guarded<UINT>(0, [&] { return Set(hWnd, nIDEvent, uElapse, lpTimerFunc); });
}

BOOL WINAPI KillTimer(HWND hWnd, UINT uIDEvent)
{
    return Guarded<BOOL>(FALSE, [&] { return Kill(hWnd, uIDEvent); });
}
