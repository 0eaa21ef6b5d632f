// wait
#include <device/clock.h>

#include "argument_checks.h"
#include "command_families.h"

namespace {

CommandOutcome Wait(const CommandCall& call)
{
    Parsed<DWORD> milliseconds = ParseCommandTime(call.args[0]);
    if (!milliseconds) return CommandOutcome::Failed(milliseconds.error());
    device::AdvanceClock(*milliseconds);
    call.context.transcript.Output("clock at " + std::to_string(device::Now()) + " ms");
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"wait", "", "MS", "advances the device's clock", Needs::Nothing, &Wait,
     Block::None, Echo::Command, &CommandTimeFirst},
};

}  // namespace

void AddClockCommands(CommandTable& table) { table.Add(kCommands); }

