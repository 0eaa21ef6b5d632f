// pocketsim shell (or run -): one device, commands read a line at a time from
// a terminal or a pipe. A failing command is reported and the session goes
// on; a command that takes a block reads the indented lines after it, ended
// by an empty line or the next command.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <windef.h>

#include "command_table.h"
#include "line_input.h"
#include "run_context.h"
#include "script.h"
#include "transcript.h"

class ShellSession {
public:
    ShellSession(const CommandTable& commands, Transcript& transcript, LineInput& input);

    // Starts on a fresh device; true when every command passed. @HOSTFILE
    // arguments are read from FOLDER.
    bool Run(const std::filesystem::path& folder);

private:
    // Runs the next command; false at the end of input or "quit". A modal
    // dialog's loop calls it too, so the lines typed next act inside it.
    bool RunNext(RunContext& context);
    void StartFreshDevice(RunContext& context);
    std::optional<std::string> NextLine(bool continuation);
    void ReadBlock(ScriptStatement& statement);
    void Report(const ScriptError& error);

    const CommandTable& commands_;
    Transcript& transcript_;
    LineInput& input_;
    std::optional<std::string> pushedBack_;
    int lineNumber_ = 0;
    bool failed_ = false;
};
