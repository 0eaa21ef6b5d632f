#include "statement_executor.h"

#include <device/device.h>
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

void EchoStatement(const ScriptStatement& statement, const ResolvedCommand& command, Transcript& transcript)
{
    if (command.spec->echo == Echo::Silent) return;
    transcript.Command(statement.command.source);
    for (const ScriptLine& line : statement.block) transcript.BlockLine(line.source);
}

}  // namespace

std::optional<ScriptError> ExecuteStatement(const ScriptStatement& statement, const ResolvedCommand& command,
                                            RunContext& context)
{
    int line = statement.command.number;
    EchoStatement(statement, command, context.transcript);
    if (command.spec->needs == Needs::Device && !device::IsOpen())
        return ScriptError{line, "no device is open: start the script with \"device new\" or \"device open FOLDER\""};
    CommandOutcome outcome = command.spec->handler({statement, command.args, context});
    for (const device::MessageBoxRecord& box : context.messageBoxes.TakeNewlyShown())
        context.transcript.Output("message box " + DescribeMessageBox(box.text, box.caption, box.style) +
                                  ", answered " + AnswerName(box.answer));
    std::optional<std::string> faults = DeviceFaults();
    if (outcome.failed()) return ScriptError{line, outcome.message() + (faults ? "; " + *faults : "")};
    if (faults) return ScriptError{line, *faults};
    return std::nullopt;
}
