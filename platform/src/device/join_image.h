// A program that a device started in another process works on that
// device's image: the same registry database and file tree.
#pragma once

#include <string>

namespace platform::device_setup {

// Opens the existing image in FOLDER as it is; false when FOLDER holds none.
bool JoinImage(const std::string& folder);

}  // namespace platform::device_setup
