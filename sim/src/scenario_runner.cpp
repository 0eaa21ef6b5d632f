#include "scenario_runner.h"

#include <algorithm>

#include <device/device.h>
#include <device/dialogs.h>
#include <device/faults.h>
#include <device/clock.h>
#include <device/paint.h>
#include <device/screen.h>

#include "host_file.h"
#include "statement_executor.h"

ScenarioRunner::ScenarioRunner(const CommandTable& commands, Transcript& transcript)
    : commands_(commands), transcript_(transcript)
{
}

bool ScenarioRunner::Run(std::string_view scriptName, std::string_view text,
                         const std::filesystem::path& scriptFolder)
{
    scriptName_ = std::string(scriptName);
    results_.clear();
    std::error_code ignored;
    if (!failureScreen_.empty()) std::filesystem::remove(failureScreen_, ignored);  // an earlier run's
    std::vector<ScriptError> readErrors;
    Script script = ReadScriptPastErrors(text, readErrors);
    std::optional<std::vector<ResolvedCommand>> commands = ResolveAll(script, readErrors, scriptFolder);
    if (!commands) return false;

    RunContext context{transcript_, scriptFolder, {}};
    script_ = &script;
    resolved_ = &*commands;
    next_ = 0;
    error_.reset();
    device::SetUserHand([&](HWND waiting) { return RunNextStatement(context, waiting); });
    while (RunNextStatement(context, nullptr)) {
    }
    device::SetUserHand({});
    int lastLine = script.empty() ? 1 : script.back().command.number;
    RecordUnreached();
    if (!error_) {
        error_ = context.messageBoxes.UnusedAnswers(lastLine);
        if (error_) results_.push_back({error_->line, "", CommandResult::Outcome::Failed, 0, "", error_->message});
    }
    if (error_) {
        device::TakeFaults();  // what the failure left behind, a dialog it abandoned among them
        WriteFailureScreen();
        return Fail(*error_);
    }
    size_t count = script.size();
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
    const ScriptStatement& statement = (*script_)[index];
    DWORD started = device::Now();
    transcript_.BeginCapture();
    std::optional<ScriptError> error = ExecuteStatement(statement, (*resolved_)[index], context);
    CommandResult result{statement.command.number, statement.command.source,
                         error ? CommandResult::Outcome::Failed : CommandResult::Outcome::Passed,
                         device::IsOpen() ? device::Now() - started : 0, transcript_.EndCapture(),
                         error ? error->message : ""};
    results_.push_back(std::move(result));
    if (error && !error_) error_ = error;
    return !error_;
}

// Every line is checked against the command table, and every host file it
// names is looked for, before the first one runs, so a typo near the end does
// not cost a long run; the bad lines are told in order, each with its error.
std::optional<std::vector<ResolvedCommand>> ScenarioRunner::ResolveAll(const Script& script,
                                                                       std::vector<ScriptError> errors,
                                                                       const std::filesystem::path& scriptFolder)
{
    std::vector<ResolvedCommand> commands;
    for (const ScriptStatement& statement : script) {
        Parsed<ResolvedCommand, ScriptError> command = commands_.Resolve(statement);
        if (!command) {
            errors.push_back(command.error());
            continue;
        }
        if (command->spec->readsHostFiles)
            if (std::optional<std::string> problem = HostFileProblem(command->args, scriptFolder))
                errors.push_back({statement.command.number, *problem});
        commands.push_back(*command);
    }
    if (errors.empty()) return commands;
    std::stable_sort(errors.begin(), errors.end(),
                     [](const ScriptError& a, const ScriptError& b) { return a.line < b.line; });
    for (const ScriptError& error : errors) {
        results_.push_back({error.line, "", CommandResult::Outcome::Failed, 0, "", error.message});
        Fail(error);
    }
    return std::nullopt;
}

// Commands after a failure never ran; results list them all the same.
void ScenarioRunner::RecordUnreached()
{
    for (size_t index = next_; index < script_->size(); ++index) {
        const ScriptLine& line = (*script_)[index].command;
        results_.push_back({line.number, line.source, CommandResult::Outcome::Skipped, 0, "", ""});
    }
}

void ScenarioRunner::WriteFailureScreen()
{
    if (failureScreen_.empty() || !device::IsOpen()) return;
    device::DeliverPaints();
    std::string error;
    if (device::SavePng(device::CaptureScreen(), failureScreen_.string(), error))
        transcript_.Note("the screen at the failure: " + FullHostPath(failureScreen_));
    else
        transcript_.Error("pocketsim: " + error);
}

bool ScenarioRunner::Fail(const ScriptError& error)
{
    transcript_.Error(FormatError(scriptName_, error));
    return false;
}
