#include "script_error.h"

std::string FormatError(std::string_view scriptName, const ScriptError& error)
{
    return std::string(scriptName) + ":" + std::to_string(error.line) + ": " + error.message;
}
