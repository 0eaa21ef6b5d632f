#include "files/file_system.h"

namespace platform::files {

bool Mount(const std::string&) { return true; }

void Unmount() {}

}  // namespace platform::files
