#include <device/registry_dump.h>

#include <device/text.h>
#include <winerror.h>

#include "registry/key_path.h"
#include "registry/registry_store.h"
#include "registry/root_keys.h"
#include "registry/value_text.h"

namespace platform::registry {
namespace {

LONG ListKey(KeyStore& store, KeyId key, const std::string& keyPath, std::vector<device::RegistryEntry>& entries)
{
    std::vector<StoredValue> values;
    std::vector<StoredKey> children;
    LONG error = store.Values(key, values);
    if (error == ERROR_SUCCESS) error = store.Children(key, children);
    if (error != ERROR_SUCCESS) return error;
    entries.push_back({keyPath, std::nullopt, {}});
    for (const StoredValue& value : values)
        entries.push_back({keyPath, device::Utf8(value.name), ValueText(value.type, value.data)});
    for (const StoredKey& child : children) {
        error = ListKey(store, child.id, keyPath + "\\" + device::Utf8(child.name), entries);
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

std::vector<RegistryEntry> ListRegistry(HKEY root, const std::u16string& path)
{
    using namespace platform::registry;
    const RootKey* rootKey = FindRoot(root);
    if (!rootKey) return {};
    std::vector<RegistryEntry> entries;
    LONG error = Run(Access::Read, [&](RegistrySession& session) {
        KeyId key = 0;
        std::string keyPath;
        LONG status = FindKey(session.Store(), *rootKey, path, key, keyPath);
        if (status == ERROR_SUCCESS) status = ListKey(session.Store(), key, keyPath, entries);
        return status;
    });
    return error == ERROR_SUCCESS ? entries : std::vector<RegistryEntry>();
}

std::string DumpRegistry(HKEY root, const std::u16string& path)
{
    std::string listing;
    for (const RegistryEntry& entry : ListRegistry(root, path)) {
        if (!entry.value) {
            listing += "[" + entry.key + "]\n";
            continue;
        }
        listing += (entry.value->empty() ? "@" : *entry.value) + " = " + entry.text + "\n";
    }
    return listing;
}

}  // namespace device
