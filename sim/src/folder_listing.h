// A folder's entries as FindFirstFileW/FindNextFileW give them, in the order
// the platform lists them, and their printed form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

struct ListedEntry {
    std::u16string name;
    DWORD attributes;
    uint64_t size;
};

// PATTERN is a FindFirstFileW pattern ("\Windows\*"); a pattern nothing
// matches gives an empty list.
DWORD ListDeviceEntries(const std::u16string& pattern, std::vector<ListedEntry>& entries);

// "readonly inrom", "-" for none.
std::string AttributeWords(DWORD attributes);

// One line an entry: name, attributes in words, size of files.
std::string FormatListing(const std::vector<ListedEntry>& entries);
