// The device's millisecond counter; it moves only when asked to.
#pragma once

#include <cstdint>

#include <windef.h>

namespace platform::kernel {

void ResetClock();

// Milliseconds since the device started, never wrapping (GetTickCount wraps).
uint64_t ClockTicks();

// Moves the clock forward to TICKS; never back.
void MoveClockTo(uint64_t ticks);

// The driver's advance hands its end point to this handler, which may walk
// the clock through the interval (MoveClockTo) delivering what falls due;
// the clock stands at the end point afterwards either way. An advance asked
// for while another is under way only moves the clock, as Sleep does.
using ClockAdvanceHandler = void (*)(uint64_t until);
void SetClockAdvanceHandler(ClockAdvanceHandler handler);

}  // namespace platform::kernel
