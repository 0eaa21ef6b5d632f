// text print / expect / clear: the focused application's text
#include <device/text.h>
#include <device/text_editor.h>

#include "command_families.h"
#include "display_text.h"

namespace {

CommandOutcome Expect(const CommandCall& call)
{
    std::u16string expected = device::Utf16(call.args[0].text);
    std::u16string found = device::EditorText();
    if (found == expected) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected the text " + Quoted(expected) + ", found " + Quoted(found));
}

CommandOutcome Print(const CommandCall& call)
{
    call.context.transcript.Output(Quoted(device::EditorText()) + "\n");
    return CommandOutcome::Done();
}

CommandOutcome Clear(const CommandCall&)
{
    device::ClearEditor();
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"text", "print", "", "prints the focused application's whole text, quoted as a script writes it",
     Needs::Device, &Print},
    {"text", "expect", "TEXT", "checks the focused application's whole text", Needs::Device, &Expect},
    {"text", "clear", "", "empties the focused application's text", Needs::Device, &Clear},
};

}  // namespace

void AddTextCommands(CommandTable& table) { table.Add(kCommands); }
