#include "kernel/virtual_clock.h"

#include <algorithm>

#include <device/clock.h>
#include <winbase.h>

#include "process/remote_calls.h"

namespace {

uint64_t ticks = 0;
platform::kernel::ClockAdvanceHandler advanceHandler = nullptr;
bool advancing = false;

}  // namespace

namespace platform::kernel {

void ResetClock()
{
    ticks = 0;
    advancing = false;
}

uint64_t ClockTicks() { return ticks; }

void MoveClockTo(uint64_t target) { ticks = std::max(ticks, target); }

void SetClockAdvanceHandler(ClockAdvanceHandler handler) { advanceHandler = handler; }

}  // namespace platform::kernel

namespace device {

DWORD Now() { return static_cast<DWORD>(ticks); }

void AdvanceClock(DWORD milliseconds)
{
    uint64_t until = ticks + milliseconds;
    if (advanceHandler && !advancing) {
        advancing = true;
        advanceHandler(until);
        advancing = false;
    }
    platform::kernel::MoveClockTo(until);
}

}  // namespace device

// A program run by a device in another process keeps that device's time.
DWORD WINAPI GetTickCount(void)
{
    if (platform::process::OnRemoteDevice()) return platform::process::RemoteTickCount();
    return static_cast<DWORD>(ticks);
}

void WINAPI Sleep(DWORD dwMilliseconds)
{
    if (platform::process::OnRemoteDevice()) return platform::process::RemoteSleep(dwMilliseconds);
    ticks += dwMilliseconds;
}
