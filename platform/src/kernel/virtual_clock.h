// The device's millisecond counter; it moves only when asked to.
#pragma once

#include <windef.h>

namespace platform::kernel {

void ResetClock();

}  // namespace platform::kernel
