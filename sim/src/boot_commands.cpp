// boot expect-started / expect-order: what the last boot started
#include <device/boot.h>

#include <device/text.h>

#include "boot_steps.h"
#include "command_families.h"

namespace {

std::optional<std::string> NotStarted(const std::string& name)
{
    const std::vector<device::BootStep>& steps = device::LastBoot();
    if (steps.empty()) return "the device has not booted: write device boot or device restart first";
    const device::BootStep* step = FindBootStep(steps, name);
    if (!step) return "no program of the boot is named " + name;
    if (!WasStarted(*step)) return name + " was not started: " + device::DescribeBootStep(*step);
    return std::nullopt;
}

CommandOutcome ExpectStarted(const CommandCall& call)
{
    std::optional<std::string> failure = NotStarted(call.args[0].text);
    return failure ? CommandOutcome::Failed(*failure) : CommandOutcome::Done();
}

CommandOutcome ExpectOrder(const CommandCall& call)
{
    const std::vector<device::BootStep>& steps = device::LastBoot();
    const device::BootStep* previous = nullptr;
    for (const ScriptWord& word : call.args) {
        if (std::optional<std::string> failure = NotStarted(word.text)) return CommandOutcome::Failed(*failure);
        const device::BootStep* step = FindBootStep(steps, word.text);
        if (previous && step < previous)
            return CommandOutcome::Failed("expected " + word.text + " to start after " + device::Utf8(previous->program) +
                                          ", but the boot went:\n" + BootStepLines(steps));
        previous = step;
    }
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"boot", "expect-started", "NAME", "checks that the last boot started NAME (bootsip.exe, shell32.exe, ...)",
     Needs::Device, &ExpectStarted},
    {"boot", "expect-order", "NAME NAME [NAME...]", "checks that the last boot started the programs in this order",
     Needs::Device, &ExpectOrder},
};

}  // namespace

void AddBootCommands(CommandTable& table) { table.Add(kCommands); }
