// events print / clear / expect: the calls input methods made on the panel
#include <device/sip.h>

#include "command_families.h"
#include "row_table.h"

namespace {

CommandOutcome Print(const CommandCall& call)
{
    std::vector<std::string> lines = device::CallbackLogLines();
    std::string text = lines.empty() ? "no calls" : "";
    for (const std::string& line : lines) text += line + "\n";
    call.context.transcript.Output(text);
    return CommandOutcome::Done();
}

CommandOutcome Clear(const CommandCall&)
{
    device::ClearCallbackLog();
    return CommandOutcome::Done();
}

// Each block checks only the calls made since the one before it.
CommandOutcome Expect(const CommandCall& call)
{
    std::vector<ExpectedRow> expected;
    for (const ScriptLine& row : call.statement.block) expected.push_back(ReadExpectedRow(row.source));
    std::optional<std::string> mismatch = CompareRows(expected, device::CallbackLogLines());
    if (mismatch) return CommandOutcome::Failed("the calls on the input panel " + *mismatch);
    device::ClearCallbackLog();
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"events", "print", "", "prints the calls input methods made on the panel", Needs::Device, &Print},
    {"events", "clear", "", "forgets the calls made so far", Needs::Device, &Clear},
    {"events", "expect", "", "checks the calls made since the last check against the lines below",
     Needs::Device, &Expect, Block::Required},
};

}  // namespace

void AddEventCommands(CommandTable& table) { table.Add(kCommands); }
