// Device file paths as scripts write them: \Windows\Start Menu\Notes.lnk.
#pragma once

#include <string>

#include "parsed.h"
#include "script_line.h"

// Absolute (the device has no current folder); a trailing backslash is dropped.
Parsed<std::u16string> ParseDevicePath(const ScriptWord& word);
