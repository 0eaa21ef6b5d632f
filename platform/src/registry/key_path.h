// A subkey path as the registry functions take it, split into key names.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace platform::registry {

// A run of backslashes is one separator and separators at either end are
// ignored, so "\Software\\Tarvex\" names Software\Tarvex (the product opens
// its key with a leading backslash). A null or empty path names the key itself.
std::vector<std::u16string> SplitKeyPath(LPCWSTR path);

// BASE with NAMES appended, backslash-separated.
std::u16string JoinKeyPath(std::u16string base, const std::vector<std::u16string>& names);

}  // namespace platform::registry
