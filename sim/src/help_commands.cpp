// help expect-command: the page the platform's help viewer was last started on
#include <device/help_viewer.h>
#include <device/text.h>

#include "command_families.h"
#include "display_text.h"

namespace {

CommandOutcome ExpectCommand(const CommandCall& call)
{
    std::u16string expected = device::Utf16(call.args[0].text);
    std::string what = "expected the help viewer started with " + Quoted(expected);
    if (device::HelpViewerStarts().empty()) return CommandOutcome::Failed(what + ", found it never started");
    std::u16string found = device::LastHelpCommand();
    if (found != expected) return CommandOutcome::Failed(what + ", found " + Quoted(found));
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"help", "expect-command", "TEXT", "checks the command line the help viewer was last started with",
     Needs::Device, &ExpectCommand},
};

}  // namespace

void AddHelpCommands(CommandTable& table) { table.Add(kCommands); }
