// A library's registration entry points, called as a setup program calls
// them: load the library, find the entry, call it, free the library.
#pragma once

#include <optional>
#include <string>

// Nothing when the entry succeeded; else what went wrong, naming the library.
std::optional<std::string> CallRegistrationEntry(const std::u16string& devicePath, const char* entry);
