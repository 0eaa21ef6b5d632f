// Programs the device runs without an executable of their own: the
// platform's system programs named in the boot list, its help viewer, and
// the package's restart program, which this system does not build.
#pragma once

#include <string>

#include <windef.h>

namespace platform::process {

struct StandInProgram {
    const char16_t* name;  // the file name, matched without regard to case
    bool inRom;            // the platform's own: in \Windows with no file in the file tree
    // Its exit code, run from DEVICE_PATH.
    DWORD (*run)(const std::u16string& devicePath, const std::u16string& commandLine);
    bool (*installed)() = nullptr;                     // null: always there
};

// The stand-in for the program at DEVICE_PATH; FILE_EXISTS says whether the
// file tree holds a file there. Null when it is no stand-in.
const StandInProgram* FindStandIn(const std::u16string& devicePath, bool fileExists);

}  // namespace platform::process
