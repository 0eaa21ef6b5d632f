#include "command_table.h"

#include "command_arity.h"

namespace {

using Resolved = Parsed<ResolvedCommand, ScriptError>;

const CommandEntry* FindVerb(const std::vector<const CommandEntry*>& family, std::string_view verb)
{
    for (const CommandEntry* candidate : family)
        if (candidate->verb == verb) return candidate;
    return nullptr;
}

std::string ArgumentCountError(const CommandEntry& spec, size_t given)
{
    std::string usage = spec.usage.empty() ? "no arguments" : std::string(spec.usage);
    return "wrong number of arguments: " + CommandName(spec) + " takes " + usage + ", got " +
           std::to_string(given);
}

std::optional<ScriptError> BlockError(const CommandEntry& spec, const ScriptStatement& statement)
{
    if (spec.block == Block::None && !statement.block.empty())
        return ScriptError{statement.block.front().number,
                           CommandName(spec) + " takes no indented lines below it"};
    if (spec.block == Block::Required && statement.block.empty())
        return ScriptError{statement.command.number, CommandName(spec) + " needs indented lines below it"};
    return std::nullopt;
}

}  // namespace

std::string CommandName(const CommandEntry& spec)
{
    return spec.verb.empty() ? std::string(spec.family) : std::string(spec.family) + " " + std::string(spec.verb);
}

void CommandTable::Add(std::span<const CommandEntry> family) { specs_.insert(specs_.end(), family.begin(), family.end()); }

std::vector<const CommandEntry*> CommandTable::Family(const std::string& name) const
{
    std::vector<const CommandEntry*> family;
    for (const CommandEntry& spec : specs_)
        if (spec.family == name) family.push_back(&spec);
    return family;
}

std::string CommandTable::VerbList(const std::vector<const CommandEntry*>& family)
{
    std::string list;
    for (const CommandEntry* spec : family)
        if (!spec->verb.empty()) list += (list.empty() ? "" : ", ") + std::string(spec->verb);
    return list;
}

Resolved CommandTable::Resolve(const ScriptStatement& statement) const
{
    Resolved command = ResolveLine(statement.command);
    if (!command) return command;
    if (std::optional<ScriptError> error = BlockError(*command->spec, statement)) return Resolved::Failure(*error);
    return command;
}

Resolved CommandTable::ResolveLine(const ScriptLine& line) const
{
    const std::string& first = line.words.front().text;
    std::vector<const CommandEntry*> family = Family(first);
    if (family.empty()) return Resolved::Failure({line.number, "unknown command \"" + first + "\""});

    // A verb, when the second word is one, wins over a family's own
    // whole-name command ("install expect-installed" against "install PACKAGE").
    const CommandEntry* spec = line.words.size() >= 2 ? FindVerb(family, line.words[1].text) : nullptr;
    size_t nameWords = spec ? 2 : 1;
    if (!spec) spec = FindVerb(family, "");
    if (!spec && line.words.size() < 2)
        return Resolved::Failure({line.number, first + " needs one of: " + VerbList(family)});
    if (!spec)
        return Resolved::Failure({line.number, "unknown command \"" + first + " " + line.words[1].text + "\" (" +
                                                   first + " takes " + VerbList(family) + ")"});

    size_t given = line.words.size() - nameWords;
    CommandArity arity = ArityOf(spec->usage);
    if (given < arity.least || given > arity.most)
        return Resolved::Failure({line.number, ArgumentCountError(*spec, given)});
    std::span<const ScriptWord> args = std::span<const ScriptWord>(line.words).subspan(nameWords);
    if (spec->check)
        if (std::optional<std::string> problem = spec->check(args)) return Resolved::Failure({line.number, *problem});
    return ResolvedCommand{spec, args};
}
