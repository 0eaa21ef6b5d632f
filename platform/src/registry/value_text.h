// A value's data as a registry listing shows it.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace platform::registry {

// dword:0x00000409, "text" (\ and " escaped), expand_sz:"text",
// multi_sz:"one","two", hex:14,00 for binary data; anything that is not
// well formed for its type (a string without its terminator, ...) and every
// other type as hex(type):bytes, so that nothing is hidden.
std::string ValueText(DWORD type, const std::vector<BYTE>& data);

}  // namespace platform::registry
