#include "scenario_runner.h"

#include <device/device.h>
#include <device/dialogs.h>
#include <device/faults.h>

#include "message_box_words.h"

namespace {

// One fault reads on the error line; several are listed beneath it.
std::optional<std::string> DeviceFaults()
{
    std::vector<std::string> faults = device::TakeFaults();
    if (faults.empty()) return std::nullopt;
    if (faults.size() == 1) return "device fault: " + faults.front();
    std::string message = std::to_string(faults.size()) + " device faults:";
    for (const std::string& fault : faults) message += "\n  " + fault;
    return message;
}

}  // namespace

ScenarioRunner::ScenarioRunner(const CommandTable& commands, Transcript& transcript)
    : commands_(commands), transcript_(transcript)
{
}

bool ScenarioRunner::Run(std::string_view scriptName, std::string_view text,
                         const std::filesystem::path& scriptFolder)
{
    scriptName_ = std::string(scriptName);
    Parsed<Script, ScriptError> script = ReadScript(text);
    if (!script) return Fail(script.error());
    std::optional<std::vector<ResolvedCommand>> commands = ResolveAll(*script);
    if (!commands) return false;

    RunContext context{transcript_, scriptFolder, {}};
    script_ = &*script;
    resolved_ = &*commands;
    next_ = 0;
    error_.reset();
    device::SetUserHand([&](HWND waiting) { return RunNextStatement(context, waiting); });
    while (RunNextStatement(context, nullptr)) {
    }
    device::SetUserHand({});
    int lastLine = script->empty() ? 1 : script->back().command.number;
    if (!error_) error_ = context.messageBoxes.UnusedAnswers(lastLine);
    if (error_) {
        device::TakeFaults();  // what the failure left behind, a dialog it abandoned among them
        return Fail(*error_);
    }
    size_t count = script->size();
    transcript_.Note("passed: " + std::to_string(count) + (count == 1 ? " command" : " commands"));
    return true;
}

bool ScenarioRunner::RunNextStatement(RunContext& context, HWND waitingDialog)
{
    if (error_) return false;
    if (next_ >= script_->size()) {
        if (waitingDialog) {
            int lastLine = script_->empty() ? 1 : script_->back().command.number;
            error_ = ScriptError{lastLine, "the script ended while dialog " + device::DialogName(waitingDialog) +
                                               " was waiting for the user"};
        }
        return false;
    }
    size_t index = next_++;
    std::optional<ScriptError> error = Execute((*script_)[index], (*resolved_)[index], context);
    if (error && !error_) error_ = error;
    return !error_;
}

// Every line is checked against the command table before the first one runs,
// so a typo near the end does not cost a long run.
std::optional<std::vector<ResolvedCommand>> ScenarioRunner::ResolveAll(const Script& script)
{
    std::vector<ResolvedCommand> commands;
    for (const ScriptStatement& statement : script) {
        Parsed<ResolvedCommand, ScriptError> command = commands_.Resolve(statement);
        if (!command) {
            Fail(command.error());
            return std::nullopt;
        }
        commands.push_back(*command);
    }
    return commands;
}

std::optional<ScriptError> ScenarioRunner::Execute(const ScriptStatement& statement, const ResolvedCommand& command,
                                                   RunContext& context)
{
    int line = statement.command.number;
    EchoStatement(statement, command);
    if (command.spec->needs == Needs::Device && !device::IsOpen())
        return ScriptError{line, "no device is open: start the script with \"device new\" or \"device open FOLDER\""};
    CommandOutcome outcome = command.spec->handler({statement, command.args, context});
    for (const device::MessageBoxRecord& box : context.messageBoxes.TakeNewlyShown())
        transcript_.Output("message box " + DescribeMessageBox(box.text, box.caption, box.style) + ", answered " +
                           AnswerName(box.answer));
    std::optional<std::string> faults = DeviceFaults();
    if (outcome.failed()) return ScriptError{line, outcome.message() + (faults ? "; " + *faults : "")};
    if (faults) return ScriptError{line, *faults};
    return std::nullopt;
}

void ScenarioRunner::EchoStatement(const ScriptStatement& statement, const ResolvedCommand& command)
{
    if (command.spec->echo == Echo::Silent) return;
    transcript_.Command(statement.command.source);
    for (const ScriptLine& line : statement.block) transcript_.BlockLine(line.source);
}

bool ScenarioRunner::Fail(const ScriptError& error)
{
    transcript_.Error(FormatError(scriptName_, error));
    return false;
}
