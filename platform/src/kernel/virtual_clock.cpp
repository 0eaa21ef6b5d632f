#include "kernel/virtual_clock.h"

#include <device/clock.h>
#include <winbase.h>

namespace {
DWORD ticks = 0;
}

namespace platform::kernel {

void ResetClock() { ticks = 0; }

}  // namespace platform::kernel

namespace device {

DWORD Now() { return ticks; }

void AdvanceClock(DWORD milliseconds) { ticks += milliseconds; }

}  // namespace device

DWORD WINAPI GetTickCount(void) { return ticks; }

void WINAPI Sleep(DWORD dwMilliseconds) { ticks += dwMilliseconds; }
