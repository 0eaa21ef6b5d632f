// Placeholder until the registry lands.
#include <device/registry_dump.h>

namespace device {

std::string DumpRegistry(HKEY, const std::u16string&) { return {}; }

}  // namespace device
