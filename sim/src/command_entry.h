// One script command as its family declares it: its words, what its arguments
// look like, what it needs and the function that carries it out.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "command_outcome.h"
#include "run_context.h"
#include "script.h"

enum class Needs { Nothing, Device };
enum class Block { None, Required };   // indented lines below the command
enum class Echo { Command, Silent };   // Silent: the command writes its own line

struct CommandCall {
    const ScriptStatement& statement;
    std::span<const ScriptWord> args;  // the words after the command's name
    RunContext& context;
};

using CommandHandler = CommandOutcome (*)(const CommandCall& call);

// Looks at the arguments when the script is read, before anything runs, for
// what the usage's count cannot tell; says what is wrong.
using ArgumentCheck = std::optional<std::string> (*)(std::span<const ScriptWord> args);

struct CommandEntry {
    std::string_view family;   // "reg"
    std::string_view verb;     // "set"; empty when the family is the whole name ("wait")
    std::string_view usage;    // "KEY NAME TYPE [VALUE...]": also gives the argument count
    std::string_view summary;  // one line for --help
    Needs needs;
    CommandHandler handler;
    Block block = Block::None;
    Echo echo = Echo::Command;
    ArgumentCheck check = nullptr;
    bool readsHostFiles = false;  // a bare @NAME argument names a file beside the script
};
