#include "scenario_runner.h"

#include <device/device.h>
#include <device/dialogs.h>
#include <device/faults.h>

#include "statement_executor.h"

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
    std::optional<ScriptError> error = ExecuteStatement((*script_)[index], (*resolved_)[index], context);
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

bool ScenarioRunner::Fail(const ScriptError& error)
{
    transcript_.Error(FormatError(scriptName_, error));
    return false;
}
