// Files of the machine pocketsim runs on (scripts, @HOSTFILE contents).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The whole file, or nothing when it is missing, not a regular file or unreadable.
std::optional<std::string> ReadHostFile(const std::filesystem::path& path);
