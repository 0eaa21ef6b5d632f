// The predefined roots the platform supports: HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE. Each has a fixed row in the
// database and cannot be deleted.
#pragma once

#include <span>

#include <windef.h>

#include "registry/key_id.h"

namespace platform::registry {

struct RootKey {
    HKEY handle;
    KeyId id;
    const char16_t* shortName;  // as listings and paths name it: "HKLM"
};

std::span<const RootKey> RootKeys();
const RootKey* FindRoot(HKEY handle);
const RootKey* FindRoot(KeyId id);

}  // namespace platform::registry
