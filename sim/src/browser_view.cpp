#include "browser_view.h"

#include <device/clock.h>
#include <device/dialogs.h>
#include <device/image.h>
#include <device/message_boxes.h>
#include <device/paint.h>
#include <device/screen.h>
#include <device/sip.h>
#include <device/text.h>
#include <device/text_editor.h>
#include <windows.h>

#include "base64_text.h"
#include "callback_listing.h"
#include "input_method_names.h"
#include "line_tokenizer.h"

namespace {

using nlohmann::json;

// What a read-only command prints, run aside from the session's transcript.
// Its handler is called alone: faults a command still running has caused
// stay that command's.
std::string CommandOutput(const CommandTable& commands, std::string_view source)
{
    Transcript aside;
    RunContext context{aside, ".", {}};
    ScriptStatement statement{*TokenizeLine(source, 0), {}};
    Parsed<ResolvedCommand, ScriptError> command = commands.Resolve(statement);
    aside.BeginCapture();
    CommandOutcome outcome = command->spec->handler({statement, command->args, context});
    std::string output = aside.EndCapture();
    return outcome.failed() ? outcome.message() : output;
}

// The buttons of a box, as the answers "msgbox answer" takes.
std::vector<std::string> BoxButtons(UINT style)
{
    switch (style & 0xF) {
    case MB_OKCANCEL: return {"ok", "cancel"};
    case MB_ABORTRETRYIGNORE: return {"abort", "retry", "ignore"};
    case MB_YESNOCANCEL: return {"yes", "no", "cancel"};
    case MB_YESNO: return {"yes", "no"};
    case MB_RETRYCANCEL: return {"retry", "cancel"};
    default: return {"ok"};
    }
}

json Waiting(const CommandTable& commands)
{
    if (const device::MessageBoxRecord* box = device::WaitingMessageBox())
        return {{"kind", "message box"},
                {"text", device::Utf8(box->text)},
                {"caption", device::Utf8(box->caption)},
                {"buttons", BoxButtons(box->style)}};
    HWND dialog = device::CurrentDialog();
    if (!dialog) return nullptr;
    return {{"kind", "dialog"},
            {"caption", device::DialogName(dialog)},
            {"controls", CommandOutput(commands, "dialog print")},
            {"buttons", {"ok", "cancel", "help"}}};
}

std::string ScreenAddress()
{
    device::DeliverPaints();
    return "data:image/png;base64," + Base64(device::EncodePng(device::CaptureScreen()));
}

}  // namespace

json LookAtDevice(const CommandTable& commands)
{
    return {{"screen", ScreenAddress()},
            {"text", device::Utf8(device::EditorText())},
            {"events", ListCallbacks(kEventLinesShown)},
            {"inputMethod", InputMethodName(device::CurrentInputMethod())},
            {"panelShown", device::IsInputPanelShown()},
            {"clock", device::Now()},
            {"waiting", Waiting(commands)}};
}

std::string JsonText(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }
