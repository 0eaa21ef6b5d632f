// Recording blits for the device's blit log.
#pragma once

#include <device/gdi_calls.h>

namespace platform::gdi {

// Records a blit onto DEST, described as it is now (a stale handle as None).
void RecordBlit(device::BlitCall::Function function, HDC dest, int x, int y, int width, int height, DWORD rop,
                BOOL result);

}  // namespace platform::gdi
