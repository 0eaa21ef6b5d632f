#include "registry/registry_session.h"

#include <winerror.h>
#include <winnt.h>

#include <utility>

#include "registry/registry_limits.h"
#include "registry/root_keys.h"

namespace platform::registry {

RegistrySession::~RegistrySession()
{
    for (HKEY handle : opened_) handles_.Remove(handle);
}

LONG RegistrySession::OpenHandle(KeyId key, std::u16string path, HKEY& handle)
{
    opened_.reserve(opened_.size() + 1);
    handle = handles_.Add({key, std::move(path)});
    if (!handle) return ERROR_NOT_ENOUGH_MEMORY;
    opened_.push_back(handle);
    return ERROR_SUCCESS;
}

LONG RegistrySession::Resolve(HKEY handle, KeyId& key)
{
    if (const RootKey* root = FindRoot(handle)) {
        key = root->id;
        return ERROR_SUCCESS;
    }
    const OpenKey* open = handles_.Find(handle);
    if (!open) return ERROR_INVALID_HANDLE;
    key = open->id;
    return store_.CheckExists(key);
}

std::u16string RegistrySession::PathOf(HKEY handle) const
{
    if (const RootKey* root = FindRoot(handle)) return root->shortName;
    const OpenKey* open = handles_.Find(handle);
    return open ? open->path : std::u16string();
}

LONG RegistrySession::OpenPath(KeyId from, const std::vector<std::u16string>& names, KeyId& key)
{
    key = from;
    for (const std::u16string& name : names) {
        LONG error = store_.FindChild(key, name, key);
        if (error != ERROR_SUCCESS) return error;
    }
    return ERROR_SUCCESS;
}

LONG RegistrySession::CreatePath(KeyId from, const std::vector<std::u16string>& names, KeyId& key, DWORD& disposition)
{
    for (const std::u16string& name : names)
        if (name.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
    int depth = 0;
    LONG error = store_.Depth(from, depth);
    if (error != ERROR_SUCCESS) return error;
    if (depth + static_cast<int>(names.size()) > kMaxKeyDepth) return ERROR_INVALID_PARAMETER;

    disposition = REG_OPENED_EXISTING_KEY;
    key = from;
    for (const std::u16string& name : names) {
        KeyId parent = key;
        error = store_.FindChild(parent, name, key);
        if (error == ERROR_FILE_NOT_FOUND) {
            error = store_.AddChild(parent, depth, name, key);
            disposition = REG_CREATED_NEW_KEY;
        }
        if (error != ERROR_SUCCESS) return error;
        ++depth;
    }
    return ERROR_SUCCESS;
}

}  // namespace platform::registry
