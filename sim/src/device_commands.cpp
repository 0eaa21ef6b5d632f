// device new / open / boot / restart
#include <filesystem>
#include <system_error>

#include <device/boot.h>
#include <device/device.h>
#include <device/installer.h>

#include "boot_steps.h"
#include "command_families.h"
#include "host_file.h"

namespace {

// Answers queued for the old device would silently vanish with it.
std::optional<std::string> UnusedAnswers(const CommandCall& call)
{
    std::optional<ScriptError> unused = call.context.messageBoxes.UnusedAnswers(call.statement.command.number);
    if (!unused) return std::nullopt;
    return "line " + std::to_string(unused->line) + ": " + unused->message;
}

// Relative folders are taken from the current directory, once, here.
std::string HostFolder(const ScriptWord& word) { return FullHostPath(word.text); }

CommandOutcome Replaced(const CommandCall& call, bool created, const std::string& failure, const std::string& done)
{
    call.context.messageBoxes.Reset();
    if (!created) return CommandOutcome::Failed(failure);
    call.context.transcript.Output(done);
    return CommandOutcome::Done();
}

CommandOutcome New(const CommandCall& call)
{
    if (std::optional<std::string> unused = UnusedAnswers(call)) return CommandOutcome::Failed(*unused);
    if (call.args.empty())
        return Replaced(call, device::CreateFresh(), "could not create a fresh device",
                        "a fresh device in a temporary folder");
    std::string folder = HostFolder(call.args[0]);
    return Replaced(call, device::CreateImage(folder), "could not create a device image in " + folder,
                    "a fresh device image in " + folder);
}

CommandOutcome Open(const CommandCall& call)
{
    if (std::optional<std::string> unused = UnusedAnswers(call)) return CommandOutcome::Failed(*unused);
    std::string folder = HostFolder(call.args[0]);
    return Replaced(call, device::OpenImage(folder), "could not open the device image in " + folder,
                    "the device image in " + folder);
}

CommandOutcome Boot(const CommandCall& call)
{
    call.context.transcript.Output(BootStepLines(device::Boot()));
    return CommandOutcome::Done();
}

// A restart a program asked for is carried out here; without one, this is
// the user holding the reset button.
CommandOutcome Restart(const CommandCall& call)
{
    std::string why = device::RestartPending() ? "restart asked for by a program" : "restart";
    std::string boot = BootStepLines(device::Restart());
    // The package's restart program carries a removal on during the boot.
    if (std::optional<device::RemovalOutcome> resumed = device::LastResumedRemoval())
        boot += (boot.back() == '\n' ? "" : "\n") + std::string("the removal resumed at boot: ") +
                device::DescribeRemovalOutcome(*resumed);
    call.context.transcript.Output(why + "\n" + boot);
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"device", "new", "[FOLDER]", "starts a fresh device: in a temporary folder, or as an image in FOLDER (its old content goes)",
     Needs::Nothing, &New},
    {"device", "open", "FOLDER", "opens the device image in FOLDER (a fresh one when there is none)", Needs::Nothing,
     &Open},
    {"device", "boot", "", "runs the boot sequence: the programs of HKLM\\init in launch order", Needs::Device, &Boot},
    {"device", "restart", "", "restarts the device (windows and libraries go, registry and files stay) and boots it",
     Needs::Device, &Restart},
};

}  // namespace

void AddDeviceCommands(CommandTable& table) { table.Add(kCommands); }

