// sip show / hide / expect-rect / expect-on / options
#include <device/sip.h>

#include "command_families.h"
#include "number_words.h"
#include "platform_errors.h"
#include "switch_words.h"

namespace {

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) + " " +
           std::to_string(rect.bottom);
}

CommandOutcome Show(const CommandCall&)
{
    device::ShowInputPanel();
    return CommandOutcome::Done();
}

CommandOutcome Hide(const CommandCall&)
{
    device::HideInputPanel();
    return CommandOutcome::Done();
}

CommandOutcome ExpectRect(const CommandCall& call)
{
    RECT expected = {};
    LONG* sides[] = {&expected.left, &expected.top, &expected.right, &expected.bottom};
    for (size_t i = 0; i < std::size(sides); ++i) {
        Parsed<int> side = ParseInteger(call.args[i]);
        if (!side) return CommandOutcome::Failed(side.error());
        *sides[i] = *side;
    }
    RECT found = device::InputPanelRect();
    if (RectText(found) == RectText(expected)) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected the input panel at " + RectText(expected) + ", found it at " +
                                  RectText(found));
}

CommandOutcome ExpectOn(const CommandCall& call)
{
    Parsed<bool> expected = ParseYesNo(call.args[0]);
    if (!expected) return CommandOutcome::Failed(expected.error());
    bool on = device::IsInputPanelOn();
    if (on == *expected) return CommandOutcome::Done();
    return CommandOutcome::Failed(std::string("expected the input method to report the panel ") +
                                  (on ? "off, found it on" : "on, found it off"));
}

CommandOutcome Options(const CommandCall&)
{
    HRESULT result = device::OpenInputMethodOptions();
    if (FAILED(result))
        return CommandOutcome::Failed("the input method refused its options page: " + HresultText(result));
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"sip", "show", "", "shows the input panel", Needs::Device, &Show},
    {"sip", "hide", "", "hides the input panel", Needs::Device, &Hide},
    {"sip", "expect-rect", "L T R B", "checks the input panel's place on the screen", Needs::Device, &ExpectRect},
    {"sip", "expect-on", "yes|no", "checks whether the input method reports the panel on", Needs::Device,
     &ExpectOn},
    {"sip", "options", "", "opens the current input method's options page", Needs::Device, &Options},
};

}  // namespace

void AddSipCommands(CommandTable& table) { table.Add(kCommands); }
