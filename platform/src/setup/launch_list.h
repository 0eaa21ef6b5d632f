// The programs HKEY_LOCAL_MACHINE\init names for the boot: "LaunchNN" gives
// a program, "DependNN" (16-bit little-endian numbers) the launch numbers it
// waits for. NN is read as _wtol reads it.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace platform::setup {

struct LaunchEntry {
    DWORD number;
    std::u16string program;
    std::vector<DWORD> depends;
};

// In launch-number order; entries of one number in the order the registry lists them.
std::vector<LaunchEntry> ReadLaunchList();

}  // namespace platform::setup
