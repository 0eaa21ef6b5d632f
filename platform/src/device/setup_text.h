// The text form shared by the fresh device's data and a package's manifest:
// lines, where blank ones and those starting with # say nothing; quoted
// strings; and registry keys and values:
//
//   [HKEY_LOCAL_MACHINE\path]   a key
//   "Name"="text"               a string value; \\ and \" inside quotes
//   "Name"=dword:0000ABCD       a 32-bit value, hexadecimal
//   "Name"=hex:14,00            bytes
//   @="text"                    the key's default value
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

namespace platform::device_setup {

struct RegistryValue {
    std::u16string name;  // empty for the default value
    DWORD type;
    std::vector<BYTE> data;
};

struct RegistryKey {
    HKEY root;
    std::u16string path;
    std::vector<RegistryValue> values;
};

// Calls READ with the number and trimmed text of each line that says
// something, until READ answers false.
void ForEachLine(std::string_view text, const std::function<bool(int number, std::string_view line)>& read);

// S without the blanks around it.
std::string_view Trim(std::string_view s);

// Reads a quoted string at the start of S and leaves S after it, trimmed.
std::optional<std::string> TakeQuoted(std::string_view& s);

// The root keys by the names the text gives them ("HKEY_CURRENT_USER").
std::optional<HKEY> RootNamed(std::string_view name);
std::string RootName(HKEY root);

// A trimmed, non-empty line: "[...]" is a key, anything else a value.
bool IsKeyLine(std::string_view line);
std::optional<RegistryKey> ParseKeyLine(std::string_view line);
std::optional<RegistryValue> ParseValueLine(std::string_view line);

}  // namespace platform::device_setup
