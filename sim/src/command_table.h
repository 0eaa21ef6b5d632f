// Every command a script may use, found by its first word or two.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "command_spec.h"
#include "parsed.h"
#include "script.h"

struct ResolvedCommand {
    const CommandSpec* spec;
    std::span<const ScriptWord> args;
};

class CommandTable {
public:
    void Add(std::span<const CommandSpec> family);

    // Finds the statement's command and checks its argument count and block.
    Parsed<ResolvedCommand, ScriptError> Resolve(const ScriptStatement& statement) const;

    const std::vector<CommandSpec>& specs() const { return specs_; }

private:
    std::vector<const CommandSpec*> Family(const std::string& name) const;
    static std::string VerbList(const std::vector<const CommandSpec*>& family);

    std::vector<CommandSpec> specs_;
};

// "reg set", or "wait" for a command without a verb.
std::string CommandName(const CommandSpec& spec);
