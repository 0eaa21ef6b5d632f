// A readable listing of a registry subtree.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windef.h>

namespace device {

// One line per key ("[HKLM\nls]", names spelled as created) followed by its
// values in enumeration order ("DefaultLCID = dword:0x00000409", "@" for the
// default value; strings as "text", expand_sz:"text", multi_sz:"a","b",
// binary as hex:14,00, anything else or malformed as hex(type):bytes), then
// its subkeys, sorted by name. Empty when ROOT is not a predefined root or
// PATH names no key.
std::string DumpRegistry(HKEY root, const std::u16string& path);

// The same subtree as records, in the same order: a key (no value name),
// then its values (an empty name for the default value, the data as the
// listing writes it).
struct RegistryEntry {
    std::string key;                   // "HKLM\nls", as stored
    std::optional<std::string> value;  // none for the key itself
    std::string text;                  // "dword:0x00000409"
};
std::vector<RegistryEntry> ListRegistry(HKEY root, const std::u16string& path);

}  // namespace device
