// A readable listing of a registry subtree.
#pragma once

#include <string>

#include <windef.h>

namespace device {

// One line per key ("[HKLM\nls]", names spelled as created) followed by its
// values in enumeration order ("DefaultLCID = dword:0x00000409", "@" for the
// default value; strings as "text", expand_sz:"text", multi_sz:"a","b",
// binary as hex:14,00, anything else or malformed as hex(type):bytes), then
// its subkeys, sorted by name. Empty when ROOT is not a predefined root or
// PATH names no key.
std::string DumpRegistry(HKEY root, const std::u16string& path);

}  // namespace device
