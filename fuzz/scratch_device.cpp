#include "scratch_device.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <device/device.h>
#include <device/faults.h>

namespace fs = std::filesystem;

namespace {

std::string scratchFolder;

// The device is left open: the platform's own objects may be gone by the
// time this runs, and the host lets an open file's folder go.
void RemoveScratchDevice()
{
    std::error_code ignored;
    fs::remove_all(scratchFolder, ignored);
}

fs::path ScratchParent()
{
    std::error_code error;
    if (fs::is_directory("/dev/shm", error)) return "/dev/shm";
    return fs::temp_directory_path();
}

}  // namespace

bool OpenScratchDevice()
{
    std::string pattern = (ScratchParent() / "lexovia-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return false;
    scratchFolder = pattern;
    std::atexit(RemoveScratchDevice);
    return device::CreateImage(scratchFolder + "/device");
}

void Require(bool holds)
{
    if (!holds) abort();
}

void RequireNoFaults()
{
    std::vector<std::string> faults = device::TakeFaults();
    for (const std::string& fault : faults) fprintf(stderr, "device fault: %s\n", fault.c_str());
    Require(faults.empty());
}
