// Counts the device's writes and cuts the power where the driver asked.
#pragma once

namespace platform::power {

// Called by each call that changed the device, once the change is made.
void NoteWrite();

// DONE, a call's BOOL answer, counted as a write when it is non-zero.
inline int Counted(int done)
{
    if (done) NoteWrite();
    return done;
}

// The device closed or opened: no count, no cut.
void ResetPower();

}  // namespace platform::power
