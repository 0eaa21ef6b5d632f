// The device's boot sequence and restart, as the driver runs them. The boot
// starts the programs named by the "LaunchNN" values of HKEY_LOCAL_MACHINE\init
// in launch-number order, each once every number of its "DependNN" list has
// signalled, with its launch number as the command line.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct BootStep {
    enum class Outcome {
        Signalled,    // started, and signalled its launch number
        Silent,       // started, and ended without signalling
        NotFound,     // no such program on the device
        NotStarted,   // could not be started (error), or waits for a number that never signalled
    };
    DWORD number;
    std::u16string program;        // as the Launch value names it
    Outcome outcome;
    std::vector<DWORD> waitingFor{};  // NotStarted: the numbers that never signalled
    DWORD error = 0;                  // NotStarted: the platform's error, when the start failed
    std::string ending{};             // Signalled, Silent: how the program ended
};

// Runs the boot sequence on the open device: what happened to each entry, in order.
std::vector<BootStep> Boot();
// The steps of the last boot since the device opened; empty before one.
const std::vector<BootStep>& LastBoot();

// "Launch50 shell32.exe: signalled", "Launch61 x.exe: not started, waits for 60".
std::string DescribeBootStep(const BootStep& step);

// Whether a program asked for a restart (KernelIoControl with IOCTL_HAL_REBOOT).
bool RestartPending();

// Restarts the device: windows, loaded libraries, handles and the input
// panel go, the clock starts again from 0, the registry and files stay; then
// the boot sequence runs. Its steps.
std::vector<BootStep> Restart();

}  // namespace device
