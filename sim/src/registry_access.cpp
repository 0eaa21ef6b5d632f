#include "registry_access.h"

namespace {

// A key opened for one call; a root stands for itself and is never closed.
class OpenedKey {
public:
    explicit OpenedKey(const RegistryPath& key)
    {
        if (key.subkey.empty()) {
            handle_ = key.root;
            status_ = ERROR_SUCCESS;
        } else {
            status_ = RegOpenKeyExW(key.root, key.subkey.c_str(), 0, KEY_ALL_ACCESS, &handle_);
            owned_ = status_ == ERROR_SUCCESS;
        }
    }
    ~OpenedKey()
    {
        if (owned_) RegCloseKey(handle_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    LONG status() const { return status_; }
    HKEY handle() const { return handle_; }

private:
    HKEY handle_ = nullptr;
    LONG status_;
    bool owned_ = false;
};

}  // namespace

LONG WriteRegistryValue(const RegistryPath& key, const std::u16string& name, const RegistryValue& value)
{
    HKEY handle = nullptr;
    LONG status = RegCreateKeyExW(key.root, key.subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                                  nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = RegSetValueExW(handle, name.c_str(), 0, value.type, value.data.data(),
                            static_cast<DWORD>(value.data.size()));
    RegCloseKey(handle);
    return status;
}

LONG ReadRegistryValue(const RegistryPath& key, const std::u16string& name, RegistryValue& value)
{
    OpenedKey opened(key);
    if (opened.status() != ERROR_SUCCESS) return opened.status();
    DWORD size = 0;
    LONG status = RegQueryValueExW(opened.handle(), name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    value.data.resize(size);
    status = RegQueryValueExW(opened.handle(), name.c_str(), nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
    return status;
}

LONG DeleteRegistryValue(const RegistryPath& key, const std::u16string& name)
{
    OpenedKey opened(key);
    if (opened.status() != ERROR_SUCCESS) return opened.status();
    return RegDeleteValueW(opened.handle(), name.c_str());
}

LONG DeleteRegistryKey(const RegistryPath& key) { return RegDeleteKeyW(key.root, key.subkey.c_str()); }

LONG FindRegistryKey(const RegistryPath& key) { return OpenedKey(key).status(); }
