// Programs on the device as the driver sees them. A program is a stand-in
// the platform carries (the shell, the package's restart program), or a
// program built for the device and placed in its file tree, which runs as a
// host process of its own on the same device image; its calls on the
// device's clock, input panel, boot sequence and restart are served by this
// process while it runs. A started program runs to its end before the start
// returns.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct ProgramLaunch {
    std::u16string program;      // the device path it was found at, or the name asked for
    std::u16string commandLine;
    DWORD error;                 // ERROR_SUCCESS when it started, else why not
    std::string ending;          // how it ended: "exit code 0", "died of signal 11", "hung", ...
};

// Every start asked of the device (CreateProcessW and the boot sequence), in order.
const std::vector<ProgramLaunch>& ProgramLaunches();
size_t ProgramLaunchesDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)

// Every launch number given to SignalStarted, in order.
const std::vector<DWORD>& StartedSignals();

// Real time a program may stay silent (no request, not ended) before the
// device takes it for hung and ends it; 10 seconds unless set, until the
// device closes.
void SetProgramSilenceLimit(std::chrono::milliseconds limit);

// The host `main` of a program built for the device: joins the device that
// started it and calls the program's entry with the command line it was
// given. Run any other way, it says so on stderr and returns 1.
using ProgramEntry = int (*)(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
int RunDeviceProgram(ProgramEntry entry);

}  // namespace device
