// Files of the machine pocketsim runs on (scripts, @HOSTFILE contents).
#pragma once

#include <filesystem>
#include <string>

#include "parsed.h"

// The whole file, or "cannot read host file /full/path: " and why (missing,
// a folder, no permission, ...).
Parsed<std::string> ReadHostFile(const std::filesystem::path& path);
