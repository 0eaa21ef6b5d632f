// sip print-log / expect-log: what the input panel did, with the device's time
#include <device/sip.h>

#include "command_families.h"
#include "dropped_note.h"
#include "input_method_names.h"
#include "row_table.h"

namespace {

std::string KindText(device::SipEvent::Kind kind)
{
    switch (kind) {
    case device::SipEvent::Kind::Started: return "started";
    case device::SipEvent::Kind::Selected: return "selected";
    case device::SipEvent::Kind::Refused: return "refused";
    case device::SipEvent::Kind::Shown: return "shown";
    case device::SipEvent::Kind::Hidden: return "hidden";
    }
    return "?";
}

// "1050 ms selected qvpen"
std::vector<std::string> LogLines()
{
    std::vector<std::string> lines;
    for (const device::SipEvent& event : device::SipEventLog())
        lines.push_back(std::to_string(event.time) + " ms " + KindText(event.kind) + " " + InputMethodName(event.clsid));
    return lines;
}

CommandOutcome PrintLog(const CommandCall& call)
{
    std::vector<std::string> lines = LogLines();
    std::string text = DroppedNote(device::SipEventLogDropped(), "events");
    if (lines.empty()) text += "nothing happened on the input panel";
    for (const std::string& line : lines) text += line + "\n";
    call.context.transcript.Output(text);
    return CommandOutcome::Done();
}

// Each block checks only what happened since the one before it.
CommandOutcome ExpectLog(const CommandCall& call)
{
    std::vector<ExpectedRow> expected;
    for (const ScriptLine& row : call.statement.block) expected.push_back(ReadExpectedRow(row.source));
    std::optional<std::string> mismatch = CompareRows(expected, LogLines());
    if (mismatch) return CommandOutcome::Failed("what the input panel did " + *mismatch);
    device::ClearSipEventLog();
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"sip", "print-log", "", "prints what the input panel did: input methods started, selected, refused, shown",
     Needs::Device, &PrintLog},
    {"sip", "expect-log", "", "checks what the input panel did since the last check against the lines below",
     Needs::Device, &ExpectLog, Block::Required},
};

}  // namespace

void AddSipLogCommands(CommandTable& table) { table.Add(kCommands); }
