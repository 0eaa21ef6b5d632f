// The installer's registry reading and writing, through the platform's
// registry calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windef.h>

namespace platform::setup {

struct StoredValue {
    DWORD type;
    std::vector<BYTE> data;
};

std::optional<StoredValue> ReadValue(HKEY key, const std::u16string& name);
bool WriteValue(HKEY key, const std::u16string& name, const StoredValue& value);

StoredValue DwordValue(DWORD number);
StoredValue StringValue(const std::u16string& text);
std::optional<DWORD> DwordOf(const std::optional<StoredValue>& value);
// A string value's text, with or without its terminator.
std::optional<std::u16string> TextOf(const std::optional<StoredValue>& value);

// The key's values in the order the registry lists them, and its subkeys' names.
std::vector<std::pair<std::u16string, StoredValue>> ValuesOf(HKEY key);
std::vector<std::u16string> SubkeysOf(HKEY key);

// Opens ROOT\PATH for reading; null when it cannot.
HKEY OpenKey(HKEY root, const std::u16string& path);

// Whether ROOT\PATH has neither values nor subkeys; false when it cannot be opened.
bool IsEmptyKey(HKEY root, const std::u16string& path);

}  // namespace platform::setup
