// Starting a program on the device, as CreateProcessW and the boot sequence
// do: the name resolved as the platform resolves it, the program run to its
// end, the start recorded for the driver.
#pragma once

#include <string>

#include <windef.h>

namespace platform::process {

// The exit code of a program that did not end by itself.
constexpr DWORD kEndedByDevice = 0xFFFFFFFF;

struct Launched {
    DWORD error;     // ERROR_SUCCESS, or why it could not be started
    DWORD exitCode;
};

Launched LaunchProgram(const std::u16string& name, const std::u16string& commandLine);

// A bare name is looked for in \Windows; a name without an extension gets ".exe".
std::u16string ProgramDevicePath(std::u16string name);

void ClearProgramLaunches();

}  // namespace platform::process
