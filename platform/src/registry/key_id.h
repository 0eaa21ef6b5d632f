// Keys are known by the row id the database gave them; ids are never reused,
// so an id that no longer exists always means the key was deleted.
#pragma once

#include <cstdint>

namespace platform::registry {

using KeyId = int64_t;

}  // namespace platform::registry
