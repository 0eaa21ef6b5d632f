#include "shell_session.h"

#include <device/device.h>
#include <device/dialogs.h>
#include <device/faults.h>

#include "help_text.h"
#include "line_tokenizer.h"
#include "statement_executor.h"

namespace {

const char kSourceName[] = "shell";

bool IsQuit(const ScriptLine& line)
{
    return line.words.size() == 1 && (line.words[0].text == "quit" || line.words[0].text == "exit");
}

bool IsHelp(const ScriptLine& line) { return line.words.size() == 1 && line.words[0].text == "help"; }

}  // namespace

ShellSession::ShellSession(const CommandTable& commands, Transcript& transcript, LineInput& input)
    : commands_(commands), transcript_(transcript), input_(input)
{
}

bool ShellSession::Run(const std::filesystem::path& folder)
{
    RunContext context{transcript_, folder, {}};
    StartFreshDevice(context);
    device::SetUserHand([&](HWND) { return RunNext(context); });
    while (RunNext(context)) {
    }
    device::SetUserHand({});
    if (std::optional<ScriptError> unused = context.messageBoxes.UnusedAnswers(lineNumber_)) Report(*unused);
    device::TakeFaults();
    return !failed_;
}

bool ShellSession::RunNext(RunContext& context)
{
    for (;;) {
        std::optional<std::string> raw = NextLine(false);
        if (!raw) return false;
        Parsed<ScriptLine> line = IsIndented(*raw) ? TokenizeRow(*raw, lineNumber_) : TokenizeLine(*raw, lineNumber_);
        if (!line) {
            Report({lineNumber_, line.error()});
            continue;
        }
        if (line->source.empty()) continue;
        if (line->indented) {
            Report({lineNumber_, "an indented line belongs to a command that takes lines below it"});
            continue;
        }
        if (IsQuit(*line)) return false;
        if (IsHelp(*line)) {
            transcript_.Output(HelpText(commands_));
            continue;
        }
        ScriptStatement statement{*line, {}};
        Parsed<ResolvedCommand, ScriptError> found = commands_.ResolveLine(statement.command);
        if (found && found->spec->block == Block::Required) ReadBlock(statement);
        Parsed<ResolvedCommand, ScriptError> command = commands_.Resolve(statement);
        if (!command) {
            Report(command.error());
            continue;
        }
        if (std::optional<ScriptError> error = ExecuteStatement(statement, *command, context)) Report(*error);
        return true;
    }
}

// As "device new" would, so that the first command typed finds a device.
void ShellSession::StartFreshDevice(RunContext& context)
{
    ScriptStatement statement{*TokenizeLine("device new", 0), {}};
    Parsed<ResolvedCommand, ScriptError> command = commands_.Resolve(statement);
    if (std::optional<ScriptError> error = ExecuteStatement(statement, *command, context)) Report(*error);
}

std::optional<std::string> ShellSession::NextLine(bool continuation)
{
    std::optional<std::string> line = std::move(pushedBack_);
    pushedBack_.reset();
    if (!line) {
        line = input_.ReadLine(continuation);
        if (line) ++lineNumber_;
    }
    return line;
}

void ShellSession::ReadBlock(ScriptStatement& statement)
{
    while (std::optional<std::string> raw = NextLine(true)) {
        if (!IsIndented(*raw)) {
            if (!raw->empty()) pushedBack_ = std::move(raw);
            return;
        }
        Parsed<ScriptLine> row = TokenizeRow(*raw, lineNumber_);
        if (!row) {
            Report({lineNumber_, row.error()});
            continue;
        }
        if (!row->source.empty()) statement.block.push_back(*row);
    }
}

void ShellSession::Report(const ScriptError& error)
{
    failed_ = true;
    transcript_.Error(FormatError(kSourceName, error));
}
