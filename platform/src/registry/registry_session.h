// What one registry call works with: the store, inside the call's
// transaction, and the process's key handles.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

#include "registry/handle_table.h"
#include "registry/key_store.h"

namespace platform::registry {

class RegistrySession {
public:
    RegistrySession(KeyStore& store, HandleTable& handles) : store_(store), handles_(handles) {}
    // Takes back the handles opened in the session unless it was kept.
    ~RegistrySession();
    RegistrySession(const RegistrySession&) = delete;
    RegistrySession& operator=(const RegistrySession&) = delete;

    KeyStore& Store() { return store_; }
    HandleTable& Handles() { return handles_; }

    // A new handle to KEY, named PATH, valid once the session is kept: a
    // handle to a key whose creation was rolled back must not survive.
    LONG OpenHandle(KeyId key, std::u16string path, HKEY& handle);
    // The path HANDLE was opened with; empty for a handle that is not open.
    std::u16string PathOf(HKEY handle) const;
    // The call's work committed: its handles stay open.
    void Keep() { opened_.clear(); }

    // The key HANDLE stands for: ERROR_INVALID_HANDLE for a handle that was
    // never handed out or is closed, ERROR_KEY_DELETED for a deleted key.
    LONG Resolve(HKEY handle, KeyId& key);
    // The existing key NAMES leads to from FROM.
    LONG OpenPath(KeyId from, const std::vector<std::u16string>& names, KeyId& key);
    // As OpenPath, creating the keys that are missing; DISPOSITION tells
    // whether the key was created or already there. A name over the length
    // limit or a key deeper than the nesting limit is ERROR_INVALID_PARAMETER.
    LONG CreatePath(KeyId from, const std::vector<std::u16string>& names, KeyId& key, DWORD& disposition);

private:
    KeyStore& store_;
    HandleTable& handles_;
    std::vector<HKEY> opened_;
};

}  // namespace platform::registry
