#include <device/registry_dump.h>

#include <device/text.h>
#include <winerror.h>

#include "registry/key_path.h"
#include "registry/registry_store.h"
#include "registry/root_keys.h"
#include "registry/value_text.h"

namespace platform::registry {
namespace {

std::string ValueLine(const StoredValue& value)
{
    std::string name = value.name.empty() ? "@" : device::Utf8(value.name);
    return name + " = " + ValueText(value.type, value.data) + "\n";
}

LONG DumpKey(KeyStore& store, KeyId key, const std::string& keyPath, std::string& listing)
{
    std::vector<StoredValue> values;
    std::vector<StoredKey> children;
    LONG error = store.Values(key, values);
    if (error == ERROR_SUCCESS) error = store.Children(key, children);
    if (error != ERROR_SUCCESS) return error;
    listing += "[" + keyPath + "]\n";
    for (const StoredValue& value : values) listing += ValueLine(value);
    for (const StoredKey& child : children) {
        error = DumpKey(store, child.id, keyPath + "\\" + device::Utf8(child.name), listing);
        if (error != ERROR_SUCCESS) return error;
    }
    return ERROR_SUCCESS;
}

// Finds the key PATH names below ROOT and spells its path as stored.
LONG FindKey(KeyStore& store, const RootKey& root, const std::u16string& path, KeyId& key, std::string& keyPath)
{
    key = root.id;
    keyPath = device::Utf8(root.shortName);
    for (const std::u16string& name : SplitKeyPath(path.c_str())) {
        std::u16string stored;
        LONG error = store.FindChild(key, name, key);
        if (error == ERROR_SUCCESS) error = store.KeyName(key, stored);
        if (error != ERROR_SUCCESS) return error;
        keyPath += "\\" + device::Utf8(stored);
    }
    return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::registry

namespace device {

std::string DumpRegistry(HKEY root, const std::u16string& path)
{
    using namespace platform::registry;
    const RootKey* rootKey = FindRoot(root);
    if (!rootKey) return {};
    std::string listing;
    LONG error = Run(Access::Read, [&](RegistrySession& session) {
        KeyId key = 0;
        std::string keyPath;
        LONG status = FindKey(session.Store(), *rootKey, path, key, keyPath);
        if (status == ERROR_SUCCESS) status = DumpKey(session.Store(), key, keyPath, listing);
        return status;
    });
    return error == ERROR_SUCCESS ? listing : std::string();
}

}  // namespace device
