// Whole files and folder paths on the device, for the driver and the
// device's own set-up, through the platform's file calls. Each answers
// ERROR_SUCCESS or the platform's error code.
#pragma once

#include <string>
#include <string_view>

#include <windef.h>

namespace device {

// Creates PATH and every folder on the way that does not exist yet.
DWORD CreateDeviceFolders(const std::u16string& path);
DWORD ReadDeviceFile(const std::u16string& path, std::string& bytes);
// Creates the folders on the way that do not exist yet.
DWORD WriteDeviceFile(const std::u16string& path, std::string_view bytes);

// Makes the device one whose ROM lacks the file PATH, for a test of a
// platform without it; false when the ROM holds no such file.
bool RemoveRomFile(const std::u16string& path);

}  // namespace device
