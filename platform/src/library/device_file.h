// Where a file of the device's file tree lives on the host.
#pragma once

#include <optional>
#include <string>

namespace platform::library {

// The host path of the existing file DEVICE_PATH; none when it names no
// file of the device.
std::optional<std::string> HostFileOf(const std::u16string& devicePath);

// Where the file DEVICE_PATH is (or would be) on the host; none when its
// folder does not exist.
std::optional<std::string> HostPlaceOf(const std::u16string& devicePath);

}  // namespace platform::library
