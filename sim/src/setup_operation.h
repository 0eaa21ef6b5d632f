// The setup hooks' operations that "setup call" reaches by name, so that a
// journey can be tried step by step. Each group of operations exports one
// constant table of rows.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include <windef.h>

#include "parsed.h"
#include "script_line.h"

// Carries the operation out with its arguments (their count already checked)
// and gives what it returned, as the transcript prints it ("TRUE"); a failure
// is an argument the operation could not be given.
using SetupHandler = Parsed<std::string> (*)(std::span<const ScriptWord> args);

struct SetupOperation {
    std::string_view name;   // as the installer's code names it: "ExtractInterfaceFiles"
    std::string_view usage;  // "INSTALLDIR", for messages and help
    size_t least, most;      // how many arguments it takes
    SetupHandler handler;
};

// "TRUE" or "FALSE"; another value by its number.
std::string BooleanResultText(BOOL result);

// The interface files' operations.
std::span<const SetupOperation> SetupFileOperations();

// The Start menu's and the shell paths' operations.
std::span<const SetupOperation> StartMenuOperations();

// The four exports the installer calls.
std::span<const SetupOperation> SetupFlowOperations();
