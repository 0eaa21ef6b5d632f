// What stopped a run, and where.
#pragma once

#include <string>
#include <string_view>

struct ScriptError {
    int line;
    std::string message;
};

// "FILE:LINE: message", the form editors and CI logs jump to.
std::string FormatError(std::string_view scriptName, const ScriptError& error);
