// setup call: runs one of the setup hooks' operations on the device
#include "command_families.h"
#include "setup_operation.h"

namespace {

const SetupOperation* FindOperation(std::string_view name)
{
    for (const SetupOperation& operation : StartMenuOperations())
        if (operation.name == name) return &operation;
    return nullptr;
}

std::string OperationNames()
{
    std::string names;
    for (const SetupOperation& operation : StartMenuOperations())
        names += (names.empty() ? "" : ", ") + std::string(operation.name);
    return names;
}

CommandOutcome Call(const CommandCall& call)
{
    const SetupOperation* operation = FindOperation(call.args[0].text);
    if (!operation) return CommandOutcome::Failed("unknown operation \"" + call.args[0].text + "\": write " + OperationNames());
    std::span<const ScriptWord> args = call.args.subspan(1);
    if (args.size() < operation->leastArgs || args.size() > operation->mostArgs)
        return CommandOutcome::Failed("write: setup call " + std::string(operation->name) + " " +
                                      std::string(operation->usage));
    return operation->handler(args, call.context);
}

const CommandEntry kCommands[] = {
    {"setup", "call", "OPERATION [ARGS...]", "runs an operation of the setup hooks on the device and shows its result",
     Needs::Device, &Call},
};

}  // namespace

void AddSetupCommands(CommandTable& table) { table.Add(kCommands); }
