// install [PACKAGE] / install expect-installed / remove: the device's cabinet
// installer driven as a user drives it.
#include <filesystem>

#include <device/boot.h>
#include <device/installer.h>
#include <device/text.h>

#include "command_families.h"
#include "host_file.h"
#include "switch_words.h"

// The build names the folder its packages are assembled in.
#ifndef LEXOVIA_PACKAGE_FOLDER
#define LEXOVIA_PACKAGE_FOLDER ""
#endif

namespace {

// The name both packages install under.
const char16_t kApplication[] = u"Tarvex Lexovia";
const char kDefaultPackage[] = "russian";

// A bare name is a package the build made; anything else is a folder,
// found from the script's folder as the files a script names are.
std::filesystem::path PackageFolder(std::span<const ScriptWord> args, const std::filesystem::path& scriptFolder)
{
    std::string given = args.empty() ? kDefaultPackage : args[0].text;
    std::filesystem::path built = std::filesystem::path(LEXOVIA_PACKAGE_FOLDER) / given;
    bool bare = given.find_first_of("/\\") == std::string::npos && given != "." && given != "..";
    if (bare && !std::string_view(LEXOVIA_PACKAGE_FOLDER).empty() && std::filesystem::is_directory(built))
        return built;
    return FullHostPath(scriptFolder / given);
}

std::string RestartNote()
{
    return device::RestartPending() ? "\nthe device asks for a restart: device restart carries it out" : "";
}

CommandOutcome Install(const CommandCall& call)
{
    std::filesystem::path folder = PackageFolder(call.args, call.context.scriptFolder);
    device::InstallOutcome outcome = device::InstallPackage(folder.string());
    if (outcome.result == device::InstallOutcome::Result::Refused)
        return CommandOutcome::Failed("the installer refused " + folder.string() + ": " + outcome.message);
    call.context.transcript.Output(folder.string() + ": " + device::DescribeInstallOutcome(outcome) + RestartNote());
    return CommandOutcome::Done();
}

std::u16string ApplicationNamed(std::span<const ScriptWord> args)
{
    return args.empty() ? std::u16string(kApplication) : device::Utf16(args[0].text);
}

CommandOutcome ExpectInstalled(const CommandCall& call)
{
    Parsed<bool> expected = ParseYesNo(call.args[0]);
    if (!expected) return CommandOutcome::Failed(expected.error());
    std::u16string application = ApplicationNamed(call.args.subspan(1));
    if (device::IsInstalled(application) == *expected) return CommandOutcome::Done();
    std::string name = "\"" + device::Utf8(application) + "\"";
    return CommandOutcome::Failed(*expected ? "expected " + name + " to be installed, but it is not"
                                            : "expected " + name + " not to be installed, but it is");
}

CommandOutcome Remove(const CommandCall& call)
{
    std::u16string application = ApplicationNamed(call.args);
    device::RemovalOutcome outcome = device::RemovePackage(application);
    std::string name = "\"" + device::Utf8(application) + "\"";
    using Result = device::RemovalOutcome::Result;
    if (outcome.result == Result::NotInstalled) return CommandOutcome::Failed(name + " is not installed");
    if (outcome.result == Result::Refused)
        return CommandOutcome::Failed("the installer could not remove " + name + ": " + outcome.message);
    call.context.transcript.Output(name + ": " + device::DescribeRemovalOutcome(outcome) + RestartNote());
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"install", "", "[PACKAGE]",
     "installs a package: russian (the default) or hebrew as built, or the package in a folder", Needs::Device,
     &Install},
    {"install", "expect-installed", "yes|no [APPLICATION]",
     "checks whether the package (\"Tarvex Lexovia\" unless named) is in the installed list", Needs::Device,
     &ExpectInstalled},
    {"remove", "", "[APPLICATION]",
     "removes an installed package (\"Tarvex Lexovia\" unless named), as far as it goes before a restart",
     Needs::Device, &Remove},
};

}  // namespace

void AddInstallCommands(CommandTable& table) { table.Add(kCommands); }
