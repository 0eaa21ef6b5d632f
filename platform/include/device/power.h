// The device's power, as a test cuts it: every change the device makes to
// its registry or its files is one write, and the power can go right after
// a chosen one. What was written until then stays (registry changes are
// committed one by one, file bytes are in the host's files); nothing else
// runs: the process ends at once, without destructors or flushes, as the
// device would stop.
#pragma once

#include <cstdint>

namespace device {

// The process's exit status when the power was cut.
constexpr int kPowerCutStatus = 86;

// Writes since the device opened: a registry key created or deleted, a
// value set or deleted; a file created or truncated, written, copied, moved
// or deleted, its attributes set; a folder created or removed.
uint64_t DeviceWrites();

// Cuts the power right after the COUNT-th write from now (1: the next one);
// 0 leaves the power on. Until the device closes.
void CutPowerAfterWrites(uint64_t count);

}  // namespace device
