// Share modes between the handles open on one file. Reading and writing are
// what conflict: a handle opened with neither takes no part.
#pragma once

#include <string>

#include <windef.h>

namespace platform::files {

// Whether opening KEY for ACCESS with SHARE agrees with every handle already
// open on it; ERROR_SHARING_VIOLATION when not.
bool SharingAllows(const std::string& key, DWORD access, DWORD share);

// Whether no handle is open on KEY or anywhere beneath it, as deleting or
// moving it needs; ERROR_SHARING_VIOLATION when one is.
bool NothingOpenAt(const std::string& key);

}  // namespace platform::files
