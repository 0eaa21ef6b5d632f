#include "registry/root_keys.h"

#include <winreg.h>

namespace platform::registry {
namespace {

const RootKey kRoots[] = {
    {HKEY_CLASSES_ROOT, 1, u"HKCR"},
    {HKEY_CURRENT_USER, 2, u"HKCU"},
    {HKEY_LOCAL_MACHINE, 3, u"HKLM"},
};

}  // namespace

std::span<const RootKey> RootKeys() { return kRoots; }

const RootKey* FindRoot(HKEY handle)
{
    for (const RootKey& root : kRoots)
        if (root.handle == handle) return &root;
    return nullptr;
}

const RootKey* FindRoot(KeyId id)
{
    for (const RootKey& root : kRoots)
        if (root.id == id) return &root;
    return nullptr;
}

}  // namespace platform::registry
