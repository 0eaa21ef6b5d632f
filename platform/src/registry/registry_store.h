// Attaching the registry API to the device's database.
#pragma once

#include <string>

namespace platform::registry {

// Opens (creating when missing) the registry database at PATH; ":memory:"
// gives a registry that lives as long as the device.
bool Attach(const std::string& path);
void Detach();

}  // namespace platform::registry
