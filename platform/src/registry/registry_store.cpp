#include "registry/registry_store.h"

namespace platform::registry {

bool Attach(const std::string&) { return true; }

void Detach() {}

}  // namespace platform::registry
