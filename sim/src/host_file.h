// Files of the machine pocketsim runs on (scripts, @HOSTFILE contents).
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "parsed.h"
#include "script_line.h"

// PATH in full, as the transcript names host files: absolute, with no "." or
// ".." left; as given when the current folder cannot be known.
std::string FullHostPath(const std::filesystem::path& path);

// The whole file, or "cannot read host file /full/path: " and why (missing,
// a folder, no permission, ...).
Parsed<std::string> ReadHostFile(const std::filesystem::path& path);

// Why the first bare @NAME among ARGS cannot be read from FOLDER, if it cannot.
std::optional<std::string> HostFileProblem(std::span<const ScriptWord> args, const std::filesystem::path& folder);
