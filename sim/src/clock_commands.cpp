// wait
#include <device/clock.h>

#include "argument_checks.h"
#include "command_families.h"
#include "number_words.h"

namespace {

CommandOutcome Wait(const CommandCall& call)
{
    Parsed<DWORD> milliseconds = ParseUnsigned(call.args[0]);
    if (!milliseconds) return CommandOutcome::Failed(milliseconds.error());
    device::AdvanceClock(*milliseconds);
    call.context.transcript.Output("clock at " + std::to_string(device::Now()) + " ms");
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"wait", "", "MS", "advances the device's clock", Needs::Nothing, &Wait,
     Block::None, Echo::Command, &FirstUnsigned},
};

}  // namespace

void AddClockCommands(CommandTable& table) { table.Add(kCommands); }

