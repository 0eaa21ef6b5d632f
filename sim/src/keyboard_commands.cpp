// tap-key / hold-key / tap-label / type / panel expect: the Finnish keyboard
// by its keys, their labels or the text they make, on whichever panel the
// screen shows
#include <device/clock.h>
#include <device/pen.h>
#include <device/sip.h>

#include <cstdio>
#include <string>

#include "argument_checks.h"
#include "command_families.h"
#include <device/text.h>

#include "display_text.h"
#include "input_method_names.h"
#include "key_plan.h"
#include "keyboard_panel_reader.h"
#include "number_words.h"
#include "panel_layout.h"
#include "panel_point.h"

namespace {

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

Parsed<POINT> CentreOfKey(const PanelLayout& layout, int key, const std::string& name)
{
    RECT rect;
    KeyRect(layout, &rect, key);
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return Parsed<POINT>::Failure("key " + name + " has no area on the " + PanelName(layout) +
                                      " panel: no tap can reach it");
    return ScreenPointOnPanel((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The screen point at the centre of key N of the panel shown.
Parsed<POINT> KeyCentre(const ScriptWord& word)
{
    Parsed<int> key = ParseKeyNumber(word);
    if (!key) return Parsed<POINT>::Failure(key.error());
    Parsed<const PanelLayout*> layout = KeyboardShown();
    if (!layout) return Parsed<POINT>::Failure(layout.error());
    return CentreOfKey(**layout, *key, word.text);
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
    Parsed<DWORD> milliseconds = ParseCommandTime(call.args[1]);
    if (!milliseconds) return CommandOutcome::Failed(milliseconds.error());
    Parsed<POINT> centre = KeyCentre(call.args[0]);
    if (!centre) return CommandOutcome::Failed(centre.error());
    device::PenDown(centre->x, centre->y);
    device::AdvanceClock(*milliseconds);
    device::PenUp(centre->x, centre->y);
    return CommandOutcome::Done();
}

// "Shift (key 40)"
std::string Named(const KeyTap& tap) { return tap.label + " (key " + std::to_string(tap.key) + ")"; }

CommandOutcome TapLabel(const CommandCall& call)
{
    const std::string& label = call.args[0].text;
    Parsed<const PanelLayout*> layout = KeyboardShown();
    if (!layout) return CommandOutcome::Failed(layout.error());
    int key = KeyWithLabel(**layout, label);
    if (key == kNoKey)
        return CommandOutcome::Failed("no key of the " + PanelName(**layout) + " panel shows " + Quoted(label));
    Parsed<POINT> centre = CentreOfKey(**layout, key, std::to_string(key));
    if (!centre) return CommandOutcome::Failed(centre.error());
    device::Tap(centre->x, centre->y);
    call.context.transcript.Output("tapped " + Named({key, KeyLabel(**layout, key)}));
    return CommandOutcome::Done();
}

struct PlannedTap {
    const PanelLayout* layout;  // the panel shown when the key is tapped
    KeyTap tap;
};

const PanelLayout& OtherPanel(const PanelLayout& layout)
{
    return &layout == &kFinnishLayout ? kEnglishLayout : kFinnishLayout;
}

// Every tap of TEXT, planned before the first, so that a character the
// keyboard cannot make leaves the text untouched.
Parsed<std::vector<PlannedTap>> PlanTyping(const PanelLayout* shown, const std::u16string& text)
{
    std::vector<PlannedTap> plan;
    for (char16_t character : text) {
        std::vector<KeyTap> taps = TapsFor(*shown, character);
        if (taps.empty()) {
            const PanelLayout& other = OtherPanel(*shown);
            taps = TapsFor(other, character);
            if (taps.empty()) {
                char code[8];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
                return Parsed<std::vector<PlannedTap>>::Failure("the keyboard cannot type " +
                                                                Quoted(std::u16string(1, character)) + " (" + code +
                                                                "): no key of either panel makes it");
            }
            std::string switchLabel = PanelLabelText(*shown);
            plan.push_back({shown, {KeyWithLabel(*shown, switchLabel), switchLabel}});
            shown = &other;
        }
        for (const KeyTap& tap : taps) plan.push_back({shown, tap});
    }
    return plan;
}

CommandOutcome Type(const CommandCall& call)
{
    Parsed<const PanelLayout*> layout = KeyboardShown();
    if (!layout) return CommandOutcome::Failed(layout.error());
    Parsed<std::vector<PlannedTap>> plan = PlanTyping(*layout, device::Utf16(call.args[0].text));
    if (!plan) return CommandOutcome::Failed(plan.error());
    std::string tapped;
    for (const PlannedTap& step : *plan) {
        Parsed<POINT> centre = CentreOfKey(*step.layout, step.tap.key, std::to_string(step.tap.key));
        if (!centre) return CommandOutcome::Failed(centre.error());
        device::Tap(centre->x, centre->y);
        tapped += (tapped.empty() ? "tapped " : ", ") + Named(step.tap);
    }
    call.context.transcript.Output(tapped);
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
    {"tap-key", "", "N", "taps the centre of key N (0-60) of the keyboard panel shown", Needs::Device, &TapKey,
     Block::None, Echo::Command, &KeyNumberFirst},
    {"hold-key", "", "N MS", "holds key N down for MS milliseconds of device time, then lifts the pen",
     Needs::Device, &HoldKey,
     Block::None, Echo::Command, &KeyNumberThenMilliseconds},
    {"tap-label", "", "LABEL",
     "taps the key of the panel shown that shows LABEL (\"å\", \"Shift\", \"Enter\", \"Space\", \"En\")",
     Needs::Device, &TapLabel,
     Block::None, Echo::Command, &KeyLabelOfEitherPanel},
    {"type", "", "TEXT",
     "types TEXT with the keyboard shown, from rest: each character's key with the modifiers, dead key or "
     "panel it needs; a character no key makes fails before any tap",
     Needs::Device, &Type},
    {"panel", "expect", "Fi|En", "checks which keyboard panel is shown, by its panel-switch key's label",
     Needs::Device, &ExpectPanel},
};

}  // namespace

void AddKeyboardCommands(CommandTable& table) { table.Add(kCommands); }
