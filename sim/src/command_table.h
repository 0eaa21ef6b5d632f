// Every command a script may use, found by its first word or two.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "command_entry.h"
#include "parsed.h"
#include "script.h"

struct ResolvedCommand {
    const CommandEntry* spec;
    std::span<const ScriptWord> args;
};

class CommandTable {
public:
    void Add(std::span<const CommandEntry> family);

    // Finds the statement's command and checks its argument count and block.
    Parsed<ResolvedCommand, ScriptError> Resolve(const ScriptStatement& statement) const;
    // The same for the command line alone, its block not yet read.
    Parsed<ResolvedCommand, ScriptError> ResolveLine(const ScriptLine& line) const;

    const std::vector<CommandEntry>& specs() const { return specs_; }

private:
    std::vector<const CommandEntry*> Family(const std::string& name) const;
    static std::string VerbList(const std::vector<const CommandEntry*>& family);

    std::vector<CommandEntry> specs_;
};

// "reg set", or "wait" for a command without a verb.
std::string CommandName(const CommandEntry& spec);
