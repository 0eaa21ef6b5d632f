// The key handles this process has handed out.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include <windef.h>

#include "registry/key_id.h"

namespace platform::registry {

struct OpenKey {
    KeyId id;
    std::u16string path;  // as the caller named it, from its root: "HKCU\Software\Tarvex"
};

// A handle is an opaque number, never a host pointer, and no number is handed
// out twice in the process's life (not even across a detach and attach), so a
// stale or closed handle can never reach another key.
class HandleTable {
public:
    // Null once the numbers below the predefined roots' are used up.
    HKEY Add(OpenKey key);
    bool Remove(HKEY handle);
    // Null for a handle that is not open.
    const OpenKey* Find(HKEY handle) const;
    // Invalidates every handle.
    void Clear();

private:
    std::unordered_map<uintptr_t, OpenKey> open_;
    uintptr_t next_ = 0x10000;
};

}  // namespace platform::registry
