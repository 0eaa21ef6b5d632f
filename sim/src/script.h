// A script read into statements: each command line with the indented lines
// that follow it (its block, e.g. a table of expected rows).
#pragma once

#include <string_view>
#include <vector>

#include "parsed.h"
#include "script_error.h"
#include "script_line.h"

struct ScriptStatement {
    ScriptLine command;
    std::vector<ScriptLine> block;
};

using Script = std::vector<ScriptStatement>;

// Blank and comment-only lines are dropped; the first bad line is the error.
Parsed<Script, ScriptError> ReadScript(std::string_view text);

// The same, reading on past bad lines: they (and the indented lines under a
// bad command) are left out of the script and told in ERRORS, in order.
Script ReadScriptPastErrors(std::string_view text, std::vector<ScriptError>& errors);
