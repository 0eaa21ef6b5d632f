// msgbox answer / expect / show
#include <device/text.h>

#include "argument_checks.h"
#include "command_families.h"
#include "message_box_words.h"
#include "number_words.h"

namespace {

CommandOutcome Answer(const CommandCall& call)
{
    std::optional<int> answer = AnswerFromName(call.args[0].text);
    if (!answer)
        return CommandOutcome::Failed("unknown answer \"" + call.args[0].text + "\" (answers: " + AnswerNames() + ")");
    call.context.messageBoxes.QueueAnswer(*answer, call.statement.command.number);
    return CommandOutcome::Done();
}

CommandOutcome Expect(const CommandCall& call)
{
    Parsed<DWORD> style = ParseHexMask(call.args[2]);
    if (!style) return CommandOutcome::Failed(style.error());
    std::u16string text = device::Utf16(call.args[0].text);
    std::u16string caption = device::Utf16(call.args[1].text);
    std::string expected = "expected message box " + DescribeMessageBox(text, caption, *style);
    std::optional<device::MessageBoxRecord> box = call.context.messageBoxes.TakeUnchecked();
    if (!box)
        return CommandOutcome::Failed(expected + ", found none (every box shown so far has been checked)");
    if (box->text != text || box->caption != caption || box->style != *style)
        return CommandOutcome::Failed(expected + ", found " + DescribeMessageBox(box->text, box->caption, box->style));
    return CommandOutcome::Done();
}

// What an application on the device does when it asks the user something.
CommandOutcome Show(const CommandCall& call)
{
    Parsed<DWORD> style = ParseHexMask(call.args[2]);
    if (!style) return CommandOutcome::Failed(style.error());
    MessageBoxW(nullptr, device::Utf16(call.args[0].text).c_str(), device::Utf16(call.args[1].text).c_str(), *style);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"msgbox", "answer", "ANSWER", "queues the answer for the next message box (ok, cancel, yes, no, ...)",
     Needs::Nothing, &Answer,
     Block::None, Echo::Command, &AnswerWord},
    {"msgbox", "expect", "TEXT CAPTION STYLE", "checks the next message box not yet checked (STYLE in hex: 0x24)",
     Needs::Nothing, &Expect},
    {"msgbox", "show", "TEXT CAPTION STYLE", "shows a message box, as an application on the device would",
     Needs::Device, &Show},
};

}  // namespace

void AddMessageBoxCommands(CommandTable& table) { table.Add(kCommands); }
