// The limits of the Windows CE 3.0 registry, as its documentation states them:
// a key or value name holds at most 255 characters (without the terminator),
// a value's data at most 4 KB, and keys nest at most 16 levels below a root.
// The key-name limit is applied to each component of a path.
#pragma once

#include <windef.h>

namespace platform::registry {

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 255;
constexpr DWORD kMaxValueDataSize = 4096;
constexpr int kMaxKeyDepth = 16;

}  // namespace platform::registry
