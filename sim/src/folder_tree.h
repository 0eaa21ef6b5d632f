// A device folder and everything below it, one entry a line in the order
// the platform lists each folder: a folder as its name and a backslash with
// its entries indented beneath it, a file as its name and its size.
#pragma once

#include <string>

#include <windows.h>

// FOLDER names an existing folder ("\Windows", "\" for the root). The tree
// as printed, or the platform's error when a folder could not be listed.
DWORD FormatFolderTree(const std::u16string& folder, std::string& tree);
