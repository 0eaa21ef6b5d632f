// Whole-file reads and writes on the device, through the platform's file
// calls; each answers ERROR_SUCCESS or the platform's error code.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

DWORD ReadDeviceFile(const std::u16string& path, std::string& bytes);

// Creates the folders on the way that do not exist yet.
DWORD WriteDeviceFile(const std::u16string& path, std::string_view bytes);
