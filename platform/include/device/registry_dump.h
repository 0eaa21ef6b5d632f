// A readable listing of a registry subtree.
#pragma once

#include <string>

#include <windef.h>

namespace device {

// One line per key ("[HKLM\nls]") followed by its values in enumeration
// order ("DefaultLCID = dword:0x00000409"), subkeys sorted by name.
std::string DumpRegistry(HKEY root, const std::u16string& path);

}  // namespace device
