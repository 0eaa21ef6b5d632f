// program place / start: the product's programs on the device
#include <device/libraries.h>
#include <device/processes.h>
#include <device/text.h>
#include <windows.h>

#include "command_families.h"
#include "device_path.h"
#include "platform_errors.h"
#include "product_libraries.h"

namespace {

CommandOutcome Place(const CommandCall& call)
{
    const std::string& name = call.args[0].text;
    const ProductLibrary* program = FindProductProgram(name);
    if (!program)
        return CommandOutcome::Failed("unknown program \"" + name + "\": write " + ProductProgramNames());
    if (program->hostFile.empty()) return CommandOutcome::Failed(name + " is not built yet");
    if (!device::PlaceLibrary(std::string(program->hostFile), std::u16string(program->devicePath)))
        return CommandOutcome::Failed("could not place " + std::string(program->hostFile) + " on the device as " +
                                      device::Utf8(program->devicePath));
    return CommandOutcome::Done();
}

// As an application starts a program: CreateProcessW, then a wait for its end.
CommandOutcome Start(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    std::u16string commandLine = call.args.size() > 1 ? device::Utf16(call.args[1].text) : u"";
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(path->c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info))
        return CommandOutcome::Failed("could not start " + call.args[0].text + ": " + ErrorText(GetLastError()));
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    call.context.transcript.Output(device::ProgramLaunches().back().ending);
    return CommandOutcome::Done();
}

std::string LastStartText()
{
    const std::vector<device::ProgramLaunch>& launches = device::ProgramLaunches();
    return launches.empty() ? "none" : device::Utf8(launches.back().program);
}

// "none" stands for no start since the device opened or restarted.
CommandOutcome ExpectLast(const CommandCall& call)
{
    const std::string& expected = call.args[0].text;
    std::string found = LastStartText();
    if (expected == "none" ? found == "none" : _wcsicmp(device::Utf16(expected).c_str(), device::Utf16(found).c_str()) == 0)
        return CommandOutcome::Done();
    return CommandOutcome::Failed("expected the last program started to be " + expected + ", found " + found);
}

const CommandEntry kCommands[] = {
    {"program", "place", "NAME", "copies a program the build made onto the device (bootsip: \\Windows\\bootsip.exe)",
     Needs::Device, &Place},
    {"program", "start", "PATH [COMMANDLINE]", "starts the program at PATH as an application would and waits for its end",
     Needs::Device, &Start},
    {"program", "expect-last", "PATH|none",
     "checks the program started last (by an application or the boot), or that none has started", Needs::Device,
     &ExpectLast},
};

}  // namespace

void AddProgramCommands(CommandTable& table) { table.Add(kCommands); }
