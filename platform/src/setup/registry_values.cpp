#include "setup/registry_values.h"

#include <winreg.h>

#include <cstring>

namespace platform::setup {
namespace {

constexpr DWORD kLongestName = 16383;

}  // namespace

std::optional<StoredValue> ReadValue(HKEY key, const std::u16string& name)
{
    StoredValue value{};
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

bool WriteValue(HKEY key, const std::u16string& name, const StoredValue& value)
{
    return RegSetValueExW(key, name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size())) ==
           ERROR_SUCCESS;
}

StoredValue DwordValue(DWORD number)
{
    StoredValue value{REG_DWORD, std::vector<BYTE>(sizeof number)};
    std::memcpy(value.data.data(), &number, sizeof number);
    return value;
}

StoredValue StringValue(const std::u16string& text)
{
    StoredValue value{REG_SZ, std::vector<BYTE>((text.size() + 1) * sizeof(char16_t))};
    std::memcpy(value.data.data(), text.c_str(), value.data.size());
    return value;
}

std::optional<DWORD> DwordOf(const std::optional<StoredValue>& value)
{
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof number);
    return number;
}

std::optional<std::u16string> TextOf(const std::optional<StoredValue>& value)
{
    if (!value || value->type != REG_SZ) return std::nullopt;
    std::u16string text(value->data.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), value->data.data(), text.size() * sizeof(char16_t));
    return text.substr(0, text.find(u'\0'));
}

std::vector<std::pair<std::u16string, StoredValue>> ValuesOf(HKEY key)
{
    std::vector<std::pair<std::u16string, StoredValue>> values;
    std::u16string name(kLongestName + 1, u'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return values;
        std::u16string found = name.substr(0, length);
        if (std::optional<StoredValue> value = ReadValue(key, found)) values.emplace_back(found, std::move(*value));
    }
}

std::vector<std::u16string> SubkeysOf(HKEY key)
{
    std::vector<std::u16string> names;
    std::u16string name(kLongestName + 1, u'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        names.push_back(name.substr(0, length));
    }
}

HKEY OpenKey(HKEY root, const std::u16string& path)
{
    HKEY key = nullptr;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr;
}

bool IsEmptyKey(HKEY root, const std::u16string& path)
{
    HKEY key = OpenKey(root, path);
    if (!key) return false;
    bool empty = SubkeysOf(key).empty() && ValuesOf(key).empty();
    RegCloseKey(key);
    return empty;
}

}  // namespace platform::setup
