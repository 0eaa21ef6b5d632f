// What became of one command of a run, for results a machine reads.
#pragma once

#include <string>

#include <windef.h>

struct CommandResult {
    enum class Outcome { Passed, Failed, Skipped };
    int line;
    std::string command;  // the line as written; empty for a failure of the script as a whole
    Outcome outcome;
    DWORD durationMs;     // on the device clock
    std::string output;   // what the command printed
    std::string message;  // Failed: why
};

const char* OutcomeName(CommandResult::Outcome outcome);
