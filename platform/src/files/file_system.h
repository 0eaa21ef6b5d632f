// Attaching the file API to the device image: the device's file tree lives
// in IMAGE/files.
#pragma once

#include <string>

namespace platform::files {

bool Mount(const std::string& imageFolder);
void Unmount();

}  // namespace platform::files
