// A run's results as files for machines: JSON Lines, one object per command,
// and a JUnit XML summary that CI systems show.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "command_result.h"

// False, with ERROR saying why, when the file cannot be written.
bool WriteJsonLines(const std::vector<CommandResult>& results, const std::filesystem::path& file, std::string& error);
bool WriteJUnit(const std::string& scriptName, const std::vector<CommandResult>& results,
                const std::filesystem::path& file, std::string& error);
