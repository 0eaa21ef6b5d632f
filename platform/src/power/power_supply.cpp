#include "power/power_supply.h"

#include <device/power.h>
#include <unistd.h>

#include <cstring>

namespace {

uint64_t writes = 0;
uint64_t cutAt = 0;  // the write after which the power goes; 0 for none

// Only what is safe with the process about to vanish: no allocation, no stdio.
[[noreturn]] void CutPower()
{
    const char message[] = "the device's power was cut after the write it was told to stop at\n";
    ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(device::kPowerCutStatus);
}

}  // namespace

namespace platform::power {

void NoteWrite()
{
    ++writes;
    if (cutAt != 0 && writes == cutAt) CutPower();
}

void ResetPower()
{
    writes = 0;
    cutAt = 0;
}

}  // namespace platform::power

namespace device {

uint64_t DeviceWrites() { return writes; }

void CutPowerAfterWrites(uint64_t count) { cutAt = count == 0 ? 0 : writes + count; }

}  // namespace device
