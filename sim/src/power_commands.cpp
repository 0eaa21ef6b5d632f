// power writes / cut-after: the device's writes counted, and the power cut
// right after one of them, as a battery pulled mid-installation would.
#include <device/power.h>

#include "command_families.h"
#include "number_words.h"

namespace {

CommandOutcome Writes(const CommandCall& call)
{
    call.context.transcript.Output(std::to_string(device::DeviceWrites()) + " writes since the device opened");
    return CommandOutcome::Done();
}

CommandOutcome CutAfter(const CommandCall& call)
{
    Parsed<DWORD> count = ParseUnsigned(call.args[0]);
    if (!count) return CommandOutcome::Failed(count.error());
    if (*count == 0) return CommandOutcome::Failed("write the number of writes to let through first, 1 or more");
    device::CutPowerAfterWrites(*count);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"power", "writes", "", "prints how many registry and file writes the device made since it opened",
     Needs::Device, &Writes},
    {"power", "cut-after", "N",
     "cuts the power right after the N-th write from now: pocketsim stops at once with status 86", Needs::Device,
     &CutAfter},
};

}  // namespace

void AddPowerCommands(CommandTable& table) { table.Add(kCommands); }
