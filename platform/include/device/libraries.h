// Libraries on the device, as the driver sees them: it places built
// libraries and language resource files into the device's file tree, and
// can see every DllMain call the platform made.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

// Copies the host file HOST_PATH (a built library, or a compiled resource
// file standing for a language resource file) into the device's file tree
// as DEVICE_PATH, whose folder must exist. False when it could not.
bool PlaceLibrary(const std::string& hostPath, const std::u16string& devicePath);

struct DllMainCall {
    std::u16string module;  // its device path
    DWORD reason;           // DLL_PROCESS_ATTACH or DLL_PROCESS_DETACH
};

const std::vector<DllMainCall>& DllMainLog();
size_t DllMainLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)

// Why the last library that failed to load did so (the host loader's
// message, or what is wrong with a resource file); empty when none has.
std::string LastLibraryFailure();

}  // namespace device
