// dialog print / expect-* / click / check / type / select / trackbar / ok / cancel / help
// Each acts on the dialog the user sees: the innermost one waiting, else the
// foreground dialog.
#include <algorithm>

#include <device/controls.h>
#include <device/dialogs.h>
#include <device/paint.h>
#include <device/text.h>
#include <windows.h>
#include <commctrl.h>

#include "command_families.h"
#include "number_words.h"
#include "switch_words.h"

namespace {

Parsed<HWND> ShownDialog()
{
    HWND dialog = device::CurrentDialog();
    if (!dialog) return Parsed<HWND>::Failure("no dialog is shown");
    return dialog;
}

struct Target {
    HWND dialog;
    HWND control;
    int id;
};

Parsed<Target> ControlOf(const ScriptWord& idWord)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return Parsed<Target>::Failure(dialog.error());
    Parsed<int> id = ParseInteger(idWord);
    if (!id) return Parsed<Target>::Failure(id.error());
    HWND control = GetDlgItem(*dialog, *id);
    if (!control)
        return Parsed<Target>::Failure("dialog " + device::DialogName(*dialog) + " has no control " +
                                       std::to_string(*id));
    return Target{*dialog, control, *id};
}

std::string LowerClassOf(HWND window)
{
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    std::string text = device::Utf8(name);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string TextOf(HWND window)
{
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return device::Utf8(text);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// An action of the user's hand; the device then falls idle and paints.
CommandOutcome Acted(bool done)
{
    if (!done) return CommandOutcome::Failed(device::ControlActionFailure());
    device::DeliverPaints();
    return CommandOutcome::Done();
}

std::string RectText(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom) + ")";
}

CommandOutcome Print(const CommandCall& call)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return CommandOutcome::Failed(dialog.error());
    RECT place;
    GetWindowRect(*dialog, &place);
    call.context.transcript.Output("dialog " + device::DialogName(*dialog) + " at " + RectText(place) +
                                   (device::HasDoneButton(*dialog) ? " with the ok button" : ""));
    for (HWND control = GetWindow(*dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        call.context.transcript.Output("  " + device::DescribeControl(control));
    return CommandOutcome::Done();
}

CommandOutcome ExpectCaption(const CommandCall& call)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return CommandOutcome::Failed(dialog.error());
    std::string caption = TextOf(*dialog);
    if (caption == call.args[0].text) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected the caption " + Quoted(call.args[0].text) + ", found " + Quoted(caption));
}

CommandOutcome Click(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    return Acted(device::ClickControl(target->control));
}

bool IsChecked(HWND control) { return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Ticks or clears a check box the way a user does: a tap, only when it is
// not already so; the box must then show the state asked for.
CommandOutcome Check(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    Parsed<bool> wanted = ParseOnOff(call.args[1]);
    if (!wanted) return CommandOutcome::Failed(wanted.error());
    if (IsChecked(target->control) == *wanted) return CommandOutcome::Done();
    CommandOutcome tapped = Acted(device::ClickControl(target->control));
    if (tapped.failed() || IsChecked(target->control) == *wanted) return tapped;
    return CommandOutcome::Failed("control " + std::to_string(target->id) + " did not change when tapped");
}

CommandOutcome Type(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    return Acted(device::TypeIntoControl(target->control, device::Utf16(call.args[1].text)));
}

CommandOutcome Select(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    Parsed<int> index = ParseInteger(call.args[1]);
    if (!index) return CommandOutcome::Failed(index.error());
    return Acted(device::ChooseListItem(target->control, *index));
}

CommandOutcome Trackbar(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    Parsed<int> position = ParseInteger(call.args[1]);
    if (!position) return CommandOutcome::Failed(position.error());
    return Acted(device::MoveTrackbar(target->control, *position));
}

// The shell's OK button when the dialog has one, else its own OK button.
CommandOutcome Ok(const CommandCall&)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return CommandOutcome::Failed(dialog.error());
    if (device::PressDoneButton(*dialog)) return Acted(true);
    HWND button = GetDlgItem(*dialog, IDOK);
    if (!button) return CommandOutcome::Failed("dialog " + device::DialogName(*dialog) + " has no OK button");
    return Acted(device::ClickControl(button));
}

// Its Cancel button when it has one; else what the keyboard's Escape key
// asks of a dialog (IDCANCEL), which a dialog without a cancel command ignores.
CommandOutcome Cancel(const CommandCall& call)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return CommandOutcome::Failed(dialog.error());
    if (HWND button = GetDlgItem(*dialog, IDCANCEL)) return Acted(device::ClickControl(button));
    HWND shown = *dialog;
    SendMessageW(shown, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    device::DeliverPaints();
    if (device::CurrentDialog() == shown && IsWindowVisible(shown))
        call.context.transcript.Output("dialog " + device::DialogName(shown) + " stays open: it has no cancel command");
    return CommandOutcome::Done();
}

CommandOutcome Help(const CommandCall&)
{
    Parsed<HWND> dialog = ShownDialog();
    if (!dialog) return CommandOutcome::Failed(dialog.error());
    device::AskForHelp(*dialog);
    device::DeliverPaints();
    return CommandOutcome::Done();
}

CommandOutcome ExpectText(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    std::string text = TextOf(target->control);
    if (text == call.args[1].text) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected control " + std::to_string(target->id) + " to read " +
                                  Quoted(call.args[1].text) + ", found " + Quoted(text));
}

CommandOutcome ExpectYesNo(const CommandCall& call, bool actual, const char* what)
{
    Parsed<bool> expected = ParseYesNo(call.args[1]);
    if (!expected) return CommandOutcome::Failed(expected.error());
    if (actual == *expected) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected control " + call.args[0].text + " to be " + (*expected ? "" : "not ") +
                                  what + ", found it " + (actual ? "" : "not ") + what);
}

CommandOutcome ExpectEnabled(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    return ExpectYesNo(call, IsWindowEnabled(target->control), "enabled");
}

CommandOutcome ExpectChecked(const CommandCall& call)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    if (LowerClassOf(target->control) != "button")
        return CommandOutcome::Failed("control " + std::to_string(target->id) + " is not a button");
    return ExpectYesNo(call, IsChecked(target->control), "checked");
}

// A number the control answers to MESSAGE, where its class has one.
CommandOutcome ExpectNumber(const CommandCall& call, const char* what,
                            std::initializer_list<std::pair<const char*, UINT>> messages)
{
    Parsed<Target> target = ControlOf(call.args[0]);
    if (!target) return CommandOutcome::Failed(target.error());
    Parsed<int> expected = ParseInteger(call.args[1]);
    if (!expected) return CommandOutcome::Failed(expected.error());
    std::string className = LowerClassOf(target->control);
    for (const auto& [wantedClass, message] : messages) {
        if (className != wantedClass) continue;
        int actual = static_cast<int>(SendMessageW(target->control, message, 0, 0));
        if (actual == *expected) return CommandOutcome::Done();
        return CommandOutcome::Failed("expected control " + std::to_string(target->id) + "'s " + what + " " +
                                      std::to_string(*expected) + ", found " + std::to_string(actual));
    }
    return CommandOutcome::Failed("control " + std::to_string(target->id) + " (" + className + ") has no " + what);
}

CommandOutcome ExpectPos(const CommandCall& call)
{
    return ExpectNumber(call, "position", {{"msctls_trackbar32", TBM_GETPOS}, {"msctls_progress32", PBM_GETPOS}});
}

CommandOutcome ExpectSelected(const CommandCall& call)
{
    return ExpectNumber(call, "selection", {{"listbox", LB_GETCURSEL}, {"combobox", CB_GETCURSEL}});
}

const CommandEntry kCommands[] = {
    {"dialog", "print", "", "lists the shown dialog's controls: id, class, text, state, place", Needs::Device,
     &Print},
    {"dialog", "expect-caption", "TEXT", "checks the shown dialog's caption", Needs::Device, &ExpectCaption},
    {"dialog", "click", "ID", "taps a control of the shown dialog", Needs::Device, &Click},
    {"dialog", "check", "ID on|off", "ticks or clears a check box by tapping it when needed", Needs::Device, &Check},
    {"dialog", "type", "ID TEXT", "types TEXT into an edit control (\\b is Backspace)", Needs::Device, &Type},
    {"dialog", "select", "ID INDEX", "chooses an item of a list or combo box with the pen", Needs::Device, &Select},
    {"dialog", "trackbar", "ID POS", "drags a trackbar's thumb to a position", Needs::Device, &Trackbar},
    {"dialog", "ok", "", "presses the dialog's OK button (the shell's, else its own)", Needs::Device, &Ok},
    {"dialog", "cancel", "", "presses the dialog's Cancel button, or Escape when it has none", Needs::Device,
     &Cancel},
    {"dialog", "help", "", "asks for help on the shown dialog", Needs::Device, &Help},
    {"dialog", "expect-text", "ID TEXT", "checks a control's text", Needs::Device, &ExpectText},
    {"dialog", "expect-enabled", "ID yes|no", "checks whether a control is enabled", Needs::Device, &ExpectEnabled},
    {"dialog", "expect-checked", "ID yes|no", "checks whether a check box is ticked", Needs::Device,
     &ExpectChecked},
    {"dialog", "expect-pos", "ID N", "checks a trackbar's or progress bar's position", Needs::Device, &ExpectPos},
    {"dialog", "expect-selected", "ID INDEX", "checks a list or combo box's selection (-1: none)", Needs::Device,
     &ExpectSelected},
};

}  // namespace

void AddDialogCommands(CommandTable& table) { table.Add(kCommands); }
