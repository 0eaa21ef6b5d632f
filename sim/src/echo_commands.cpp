// echo
#include "command_families.h"

namespace {

CommandOutcome EchoText(const CommandCall& call)
{
    std::string text;
    for (const ScriptWord& word : call.args) text += (text.empty() ? "" : " ") + word.text;
    call.context.transcript.Note(text);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"echo", "", "[TEXT...]", "writes a line of its own into the transcript", Needs::Nothing, &EchoText,
     Block::None, Echo::Silent},
};

}  // namespace

void AddEchoCommands(CommandTable& table) { table.Add(kCommands); }

