// events print / clear / expect: the calls input methods made on the panel
#include <device/sip.h>

#include "callback_listing.h"
#include "command_families.h"
#include "row_table.h"

namespace {

// Each line as "events expect" takes it, the flags' names beside it.
CommandOutcome Print(const CommandCall& call)
{
    call.context.transcript.Output(ListCallbacks());
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
    {"events", "print", "", "prints the calls input methods made on the panel, with their flags' names", Needs::Device, &Print},
    {"events", "clear", "", "forgets the calls made so far", Needs::Device, &Clear},
    {"events", "expect", "", "checks the calls made since the last check against the lines below",
     Needs::Device, &Expect, Block::Required},
};

}  // namespace

void AddEventCommands(CommandTable& table) { table.Add(kCommands); }
