// The device path a library name stands for.
#pragma once

#include <string>

namespace platform::library {

// A bare name is looked for in \Windows, as the platform searches; a name
// without an extension gets ".dll".
std::u16string LibraryDevicePath(std::u16string name);

}  // namespace platform::library
