// The device's virtual clock. Nothing on the device waits in real time.
#pragma once

#include <windef.h>

namespace device {

DWORD Now();
void AdvanceClock(DWORD milliseconds);

}  // namespace device
