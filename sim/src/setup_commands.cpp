// setup call: one operation of the setup hooks at a time, called as the
// installer's flow calls it, with pkgsetup.dll loaded on the device.
#include <device/libraries.h>
#include <device/text.h>
#include <windows.h>

#include "command_families.h"
#include "module_state.h"
#include "platform_errors.h"
#include "setup_operation.h"

// The build names the library it makes.
#ifndef PKGSETUP_LIBRARY
#define PKGSETUP_LIBRARY ""
#endif

namespace {

const WCHAR kLibraryPath[] = u"\\Windows\\pkgsetup.dll";

using OperationTable = std::span<const SetupOperation> (*)();

const OperationTable kTables[] = {&SetupFileOperations, &StartMenuOperations, &SetupFlowOperations};

const SetupOperation* FindOperation(std::string_view name)
{
    for (OperationTable table : kTables)
        for (const SetupOperation& operation : table())
            if (operation.name == name) return &operation;
    return nullptr;
}

std::string OperationNames()
{
    std::string names;
    for (OperationTable table : kTables)
        for (const SetupOperation& operation : table())
            names += (names.empty() ? "" : ", ") + std::string(operation.name);
    return names;
}

// Read with the script, so that a misspelt operation stops it before it runs.
std::optional<std::string> CheckCall(std::span<const ScriptWord> args)
{
    const std::string& name = args[0].text;
    const SetupOperation* operation = FindOperation(name);
    if (!operation) return "unknown setup operation \"" + name + "\" (known: " + OperationNames() + ")";
    size_t given = args.size() - 1;
    if (given >= operation->least && given <= operation->most) return std::nullopt;
    std::string usage = operation->usage.empty() ? "no arguments" : std::string(operation->usage);
    return "wrong number of arguments: " + name + " takes " + usage + ", got " + std::to_string(given);
}

// The built library copied onto the device and loaded there, as the
// installer loads the package's setup hooks; its handle finds their
// resources.
Parsed<HMODULE> LoadSetupLibrary()
{
    using Loaded = Parsed<HMODULE>;
    if (std::string_view(PKGSETUP_LIBRARY).empty()) return Loaded::Failure("pkgsetup is not built yet");
    if (!device::PlaceLibrary(PKGSETUP_LIBRARY, kLibraryPath))
        return Loaded::Failure("could not place " + std::string(PKGSETUP_LIBRARY) + " on the device as " +
                               device::Utf8(kLibraryPath));
    HMODULE library = LoadLibraryW(kLibraryPath);
    if (!library)
        return Loaded::Failure("could not load " + device::Utf8(kLibraryPath) + ": " + ErrorText(GetLastError()) +
                               ", " + device::LastLibraryFailure());
    return library;
}

CommandOutcome Call(const CommandCall& call)
{
    const SetupOperation& operation = *FindOperation(call.args[0].text);
    Parsed<HMODULE> library = LoadSetupLibrary();
    if (!library) return CommandOutcome::Failed(library.error());
    TheModuleState().moduleInstance = *library;
    Parsed<std::string> result = operation.handler(call.args.subspan(1));
    TheModuleState().moduleInstance = nullptr;
    FreeLibrary(*library);
    if (!result) return CommandOutcome::Failed(result.error());
    call.context.transcript.Output(std::string(operation.name) + " returned " + *result);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"setup", "call", "OPERATION [ARG...]",
     "calls an operation of the setup hooks by name, as the installer would, and prints what it returned",
     Needs::Device, &Call, Block::None, Echo::Command, &CheckCall},
};

}  // namespace

void AddSetupCommands(CommandTable& table) { table.Add(kCommands); }
