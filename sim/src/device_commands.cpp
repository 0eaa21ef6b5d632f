// device new / open
#include <filesystem>
#include <system_error>

#include <device/device.h>

#include "command_families.h"

namespace {

// Answers queued for the old device would silently vanish with it.
std::optional<std::string> UnusedAnswers(const CommandCall& call)
{
    std::optional<ScriptError> unused = call.context.messageBoxes.UnusedAnswers(call.statement.command.number);
    if (!unused) return std::nullopt;
    return "line " + std::to_string(unused->line) + ": " + unused->message;
}

// Relative folders are taken from the current directory, once, here.
std::string HostFolder(const ScriptWord& word)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(word.text, error);
    return error ? word.text : absolute.lexically_normal().string();
}

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
        return Replaced(call, device::CreateFresh(), "could not create a fresh device", "a fresh device in memory");
    const std::string& folder = call.args[0].text;
    return Replaced(call, device::CreateImage(HostFolder(call.args[0])),
                    "could not create a device image in " + folder, "a fresh device image in " + folder);
}

CommandOutcome Open(const CommandCall& call)
{
    if (std::optional<std::string> unused = UnusedAnswers(call)) return CommandOutcome::Failed(*unused);
    const std::string& folder = call.args[0].text;
    return Replaced(call, device::OpenImage(HostFolder(call.args[0])), "could not open the device image in " + folder,
                    "the device image in " + folder);
}

const CommandEntry kCommands[] = {
    {"device", "new", "[FOLDER]", "starts a fresh device: in memory, or as an image in FOLDER (its old content goes)",
     Needs::Nothing, &New},
    {"device", "open", "FOLDER", "opens the device image in FOLDER (a fresh one when there is none)", Needs::Nothing,
     &Open},
};

}  // namespace

void AddDeviceCommands(CommandTable& table) { table.Add(kCommands); }

