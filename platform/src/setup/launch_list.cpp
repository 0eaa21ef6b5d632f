#include "setup/launch_list.h"

#include <crtwide.h>
#include <winreg.h>

#include <algorithm>
#include <map>

namespace platform::setup {

namespace {

constexpr size_t kPrefixLength = 6;  // "Launch", "Depend"
constexpr DWORD kLongestValueName = 16383;

struct InitValue {
    std::u16string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

bool HasPrefix(const std::u16string& name, const char16_t* prefix)
{
    return name.size() >= kPrefixLength && _wcsnicmp(name.c_str(), prefix, kPrefixLength) == 0;
}

DWORD NumberOf(const std::u16string& name) { return static_cast<DWORD>(_wtol(name.c_str() + kPrefixLength)); }

bool ReadValueAt(HKEY key, DWORD index, InitValue& value)
{
    std::u16string name(kLongestValueName + 1, u'\0');
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = 0;
    if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    value.name = name.substr(0, nameLength);
    value.data.resize(size);
    if (RegQueryValueExW(key, value.name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return false;
    value.data.resize(size);
    return true;
}

std::vector<InitValue> ReadInitValues()
{
    std::vector<InitValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    InitValue value;
    for (DWORD index = 0; ReadValueAt(key, index, value); ++index) values.push_back(value);
    RegCloseKey(key);
    return values;
}

// A string value may or may not hold its terminator.
std::u16string ProgramOf(const InitValue& value)
{
    std::u16string text(value.data.size() / sizeof(char16_t), u'\0');
    std::copy_n(value.data.data(), text.size() * sizeof(char16_t), reinterpret_cast<BYTE*>(text.data()));
    return text.substr(0, text.find(u'\0'));
}

// An odd last byte is no number.
std::vector<DWORD> NumbersOf(const InitValue& value)
{
    std::vector<DWORD> numbers;
    for (size_t at = 0; at + 1 < value.data.size(); at += 2)
        numbers.push_back(static_cast<DWORD>(value.data[at] | (value.data[at + 1] << 8)));
    return numbers;
}

}  // namespace

std::vector<LaunchEntry> ReadLaunchList()
{
    std::vector<InitValue> values = ReadInitValues();
    std::map<DWORD, std::vector<DWORD>> depends;
    for (const InitValue& value : values)
        if (value.type == REG_BINARY && HasPrefix(value.name, u"Depend")) depends[NumberOf(value.name)] = NumbersOf(value);
    std::vector<LaunchEntry> entries;
    for (const InitValue& value : values) {
        if (value.type != REG_SZ || !HasPrefix(value.name, u"Launch")) continue;
        DWORD number = NumberOf(value.name);
        entries.push_back({number, ProgramOf(value), depends[number]});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LaunchEntry& a, const LaunchEntry& b) { return a.number < b.number; });
    return entries;
}

}  // namespace platform::setup
