// pocketsim's script reader: lines cut into words and block rows, commands
// with their blocks, and the check of every command against the command
// table that runs before anything does. Nothing runs: no device is opened.
//
// Input: a script's text.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "command_families.h"
#include "script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptError> errors;
    const CommandTable& commands = StandardCommands();
    for (const ScriptStatement& statement : ReadScriptPastErrors(text, errors)) {
        commands.ResolveLine(statement.command);
        commands.Resolve(statement);
    }
    ReadScript(text);
    return 0;
}
