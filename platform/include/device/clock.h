// The device's virtual clock. Nothing on the device waits in real time.
#pragma once

#include <windef.h>

namespace device {

DWORD Now();

// Time passes for the device as it would with the user idle: every window
// timer that falls due within the interval is delivered as WM_TIMER, in
// due-time order, with the clock standing at its due time while the window
// handles it; pending paints are delivered after each. Sleep on the device,
// by contrast, moves the clock and delivers nothing.
void AdvanceClock(DWORD milliseconds);

}  // namespace device
