// device mark / diff-since / expect-diff-since: what changed in the registry
// and the file tree since a point the script named.
#include <filesystem>
#include <system_error>

#include <device/device.h>

#include "command_families.h"
#include "device_snapshot.h"
#include "row_table.h"

namespace {

// A mark is a file of the image, so its name must stay a plain file name.
std::optional<std::string> CheckMarkName(std::span<const ScriptWord> args)
{
    const std::string& name = args[0].text;
    bool plain = !name.empty() && name.front() != '.' && name.size() <= 64 &&
                 name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._-") ==
                     std::string::npos;
    if (plain) return std::nullopt;
    return "a mark is named with letters, digits, \".\", \"_\" and \"-\" (at most 64, not starting with \".\"): \"" +
           name + "\"";
}

std::filesystem::path MarkFile(const std::string& name)
{
    return std::filesystem::path(device::ImageFolder()) / "marks" / (name + ".json");
}

CommandOutcome Mark(const CommandCall& call)
{
    Parsed<DeviceSnapshot> snapshot = TakeDeviceSnapshot();
    if (!snapshot) return CommandOutcome::Failed(snapshot.error());
    std::filesystem::path file = MarkFile(call.args[0].text);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (std::string failure = SaveSnapshot(file.string(), *snapshot); !failure.empty())
        return CommandOutcome::Failed(failure);
    call.context.transcript.Output("marked \"" + call.args[0].text + "\": " +
                                   std::to_string(snapshot->registry.size()) + " registry entries, " +
                                   std::to_string(snapshot->files.size()) + " files and folders");
    return CommandOutcome::Done();
}

Parsed<std::vector<std::string>> ChangesSince(const std::string& name)
{
    using Changes = Parsed<std::vector<std::string>>;
    std::filesystem::path file = MarkFile(name);
    if (!std::filesystem::exists(file))
        return Changes::Failure("no mark \"" + name + "\" on this device (device mark " + name + " makes one)");
    Parsed<DeviceSnapshot> before = LoadSnapshot(file.string());
    if (!before) return Changes::Failure(before.error());
    Parsed<DeviceSnapshot> now = TakeDeviceSnapshot();
    if (!now) return Changes::Failure(now.error());
    return DescribeChanges(*before, *now);
}

CommandOutcome DiffSince(const CommandCall& call)
{
    Parsed<std::vector<std::string>> changes = ChangesSince(call.args[0].text);
    if (!changes) return CommandOutcome::Failed(changes.error());
    std::string text;
    for (const std::string& line : *changes) text += line + "\n";
    call.context.transcript.Output(text.empty() ? "nothing changed since \"" + call.args[0].text + "\"" : text);
    return CommandOutcome::Done();
}

CommandOutcome ExpectDiffSince(const CommandCall& call)
{
    Parsed<std::vector<std::string>> changes = ChangesSince(call.args[0].text);
    if (!changes) return CommandOutcome::Failed(changes.error());
    std::vector<ExpectedRow> expected;
    for (const ScriptLine& row : call.statement.block) expected.push_back(ReadExpectedRow(row.source));
    if (expected.size() == 1 && expected.front().text == "nothing") expected.clear();
    std::optional<std::string> mismatch = CompareRows(expected, *changes);
    if (!mismatch) return CommandOutcome::Done();
    return CommandOutcome::Failed("the changes since \"" + call.args[0].text + "\" differ:\n" + *mismatch);
}

const CommandEntry kCommands[] = {
    {"device", "mark", "MARK", "remembers the registry and the file tree under the name MARK, in the device image",
     Needs::Device, &Mark, Block::None, Echo::Command, &CheckMarkName},
    {"device", "diff-since", "MARK", "prints what was added, removed or changed since MARK, one a line",
     Needs::Device, &DiffSince, Block::None, Echo::Command, &CheckMarkName},
    {"device", "expect-diff-since", "MARK", "checks the changes since MARK against the lines below (\"nothing\": none)",
     Needs::Device, &ExpectDiffSince, Block::Required, Echo::Command, &CheckMarkName},
};

}  // namespace

void AddDeviceMarkCommands(CommandTable& table) { table.Add(kCommands); }
