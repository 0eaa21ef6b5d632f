// Device paths as the platform writes them: "\Windows\tahoma.ttf".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windef.h>

namespace platform::files {

// Whether the last component is a name or a search pattern with * and ?.
enum class Leaf { Name, Pattern };

// The components of PATH, each a name that can exist on the device.
//
// The device has no current folder, so a path without a leading backslash is
// taken from the root; repeated backslashes count as one. A pattern path
// always ends in a pattern component, empty after a trailing backslash.
//
// Failures set the last error: a null path ERROR_INVALID_PARAMETER, an empty
// one ERROR_PATH_NOT_FOUND, one of MAX_PATH units or more
// ERROR_FILENAME_EXCED_RANGE, and a component that cannot be a name on the
// device ERROR_INVALID_NAME: "." and "..", and names holding / : " < > |,
// control characters, or * and ? outside a pattern. Host-absolute paths and
// drive letters fail there too, so no path can leave the device's tree.
std::optional<std::vector<std::u16string>> SplitDevicePath(const WCHAR* path, Leaf leaf);

// Whether NAME, as a host folder lists it, is a name the device can show.
bool IsDeviceName(const std::u16string& name);

// The device's name for a host entry: valid UTF-8 that survives the round
// trip and holds nothing a device name may not; none otherwise.
std::optional<std::u16string> DeviceNameOfHost(const std::string& hostName);

}  // namespace platform::files
