// tap-key / hold-key / panel expect: the Finnish keyboard by its keys, on
// whichever panel the screen shows
#include <device/clock.h>
#include <device/pen.h>
#include <device/sip.h>

#include <string>

#include "command_families.h"
#include "input_method_names.h"
#include "keyboard_panel_reader.h"
#include "number_words.h"
#include "panel_layout.h"
#include "panel_point.h"

namespace {

constexpr int kLastKey = kKeyCount - 1;

Parsed<const PanelLayout*> KeyboardShown()
{
    std::string current = InputMethodName(device::CurrentInputMethod());
    if (current != "finkeys")
        return Parsed<const PanelLayout*>::Failure("the current input method is " + current +
                                                   ", not finkeys: \"im select finkeys\" first");
    if (!device::IsInputPanelShown())
        return Parsed<const PanelLayout*>::Failure("the input panel is not shown: \"sip show\" first");
    return ShownKeyboardPanel();
}

// The screen point at the centre of key N of the panel shown.
Parsed<POINT> KeyCentre(const ScriptWord& word)
{
    Parsed<int> key = ParseInteger(word);
    if (!key) return Parsed<POINT>::Failure(key.error());
    if (*key < 0 || *key > kLastKey)
        return Parsed<POINT>::Failure("no key " + word.text + ": keys are numbered 0 to " + std::to_string(kLastKey));
    Parsed<const PanelLayout*> layout = KeyboardShown();
    if (!layout) return Parsed<POINT>::Failure(layout.error());
    RECT rect;
    KeyRect(**layout, &rect, *key);
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return Parsed<POINT>::Failure("key " + word.text + " has no area on the " + PanelName(**layout) +
                                      " panel: no tap can reach it");
    return ScreenPointOnPanel((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

CommandOutcome TapKey(const CommandCall& call)
{
    Parsed<POINT> centre = KeyCentre(call.args[0]);
    if (!centre) return CommandOutcome::Failed(centre.error());
    device::Tap(centre->x, centre->y);
    return CommandOutcome::Done();
}

CommandOutcome HoldKey(const CommandCall& call)
{
    Parsed<DWORD> milliseconds = ParseUnsigned(call.args[1]);
    if (!milliseconds) return CommandOutcome::Failed(milliseconds.error());
    Parsed<POINT> centre = KeyCentre(call.args[0]);
    if (!centre) return CommandOutcome::Failed(centre.error());
    device::PenDown(centre->x, centre->y);
    device::AdvanceClock(*milliseconds);
    device::PenUp(centre->x, centre->y);
    return CommandOutcome::Done();
}

CommandOutcome ExpectPanel(const CommandCall& call)
{
    const std::string& wanted = call.args[0].text;
    if (wanted != "Fi" && wanted != "En")
        return CommandOutcome::Failed("unknown panel \"" + wanted + "\": write Fi or En");
    Parsed<const PanelLayout*> layout = KeyboardShown();
    if (!layout) return CommandOutcome::Failed(layout.error());
    std::string shown = PanelLabelText(**layout);
    if (shown != wanted) return CommandOutcome::Failed("the keyboard shows the " + shown + " panel, not " + wanted);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"tap-key", "", "N", "taps the centre of key N (0-60) of the keyboard panel shown", Needs::Device, &TapKey},
    {"hold-key", "", "N MS", "holds key N down for MS milliseconds of device time, then lifts the pen",
     Needs::Device, &HoldKey},
    {"panel", "expect", "Fi|En", "checks which keyboard panel is shown, by its panel-switch key's label",
     Needs::Device, &ExpectPanel},
};

}  // namespace

void AddKeyboardCommands(CommandTable& table) { table.Add(kCommands); }
