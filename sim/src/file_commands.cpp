// file put / expect / expect-missing / list / tree / pack-container
#include <device/device_files.h>
#include <device/text.h>

#include "command_families.h"
#include "device_path.h"
#include "display_text.h"
#include "container_packer.h"
#include "container_reader.h"
#include "folder_listing.h"
#include "folder_tree.h"
#include "host_file.h"
#include "platform_errors.h"

namespace {

// A quoted word is the text itself; a bare @NAME names a host file beside the
// script, which the transcript names in full.
Parsed<std::string> Content(const ScriptWord& word, const CommandCall& call)
{
    if (word.quoted || !word.text.starts_with('@')) return word.text;
    std::filesystem::path hostPath = call.context.scriptFolder / word.text.substr(1);
    Parsed<std::string> content = ReadHostFile(hostPath);
    if (content)
        call.context.transcript.Output("read " + FullHostPath(hostPath) + " (" +
                                       std::to_string(content->size()) + " bytes)");
    return content;
}

std::string FirstDifference(const std::string& expected, const std::string& found)
{
    size_t at = 0;
    while (at < expected.size() && at < found.size() && expected[at] == found[at]) ++at;
    return " (they differ from byte " + std::to_string(at) + ")";
}

CommandOutcome Put(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    Parsed<std::string> content = Content(call.args[1], call);
    if (!content) return CommandOutcome::Failed(content.error());
    DWORD status = device::WriteDeviceFile(*path, *content);
    if (status != ERROR_SUCCESS)
        return CommandOutcome::Failed("could not write " + call.args[0].text + ": " + ErrorText(status));
    return CommandOutcome::Done();
}

CommandOutcome Expect(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    Parsed<std::string> expected = Content(call.args[1], call);
    if (!expected) return CommandOutcome::Failed(expected.error());
    std::string found;
    DWORD status = device::ReadDeviceFile(*path, found);
    if (status == ERROR_SUCCESS && found == *expected) return CommandOutcome::Done();
    std::string message = call.args[0].text + ": expected " + Quoted(*expected) + ", found ";
    if (status != ERROR_SUCCESS) return CommandOutcome::Failed(message + "no file to read, " + ErrorText(status));
    return CommandOutcome::Failed(message + Quoted(found) + FirstDifference(*expected, found));
}

CommandOutcome ExpectMissing(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    DWORD attributes = GetFileAttributesW(path->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return CommandOutcome::Done();
        return CommandOutcome::Failed("expected no file " + call.args[0].text + ", found an error, " + ErrorText(error));
    }
    std::string found = attributes & FILE_ATTRIBUTE_DIRECTORY ? "a folder" : "a file";
    return CommandOutcome::Failed("expected no file " + call.args[0].text + ", found " + found);
}

bool IsPattern(const std::u16string& path) { return path.find_first_of(u"*?") != std::u16string::npos; }

// A folder lists its entries, a file itself, a pattern what it matches.
CommandOutcome List(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    std::u16string pattern = *path;
    if (!IsPattern(pattern)) {
        DWORD attributes = GetFileAttributesW(pattern.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return CommandOutcome::Failed("nothing to list at " + call.args[0].text + ": " + ErrorText(GetLastError()));
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) pattern += pattern == u"\\" ? u"*" : u"\\*";
    }
    std::vector<ListedEntry> entries;
    DWORD status = ListDeviceEntries(pattern, entries);
    if (status != ERROR_SUCCESS)
        return CommandOutcome::Failed("could not list " + call.args[0].text + ": " + ErrorText(status));
    call.context.transcript.Output(FormatListing(entries));
    return CommandOutcome::Done();
}

CommandOutcome Tree(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    DWORD attributes = GetFileAttributesW(path->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return CommandOutcome::Failed("no folder at " + call.args[0].text + ": " + ErrorText(GetLastError()));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return CommandOutcome::Failed(call.args[0].text + " is a file, not a folder");
    std::string tree;
    DWORD status = FormatFolderTree(*path, tree);
    if (status != ERROR_SUCCESS)
        return CommandOutcome::Failed("could not list " + call.args[0].text + ": " + ErrorText(status));
    call.context.transcript.Output(tree);
    return CommandOutcome::Done();
}

// The files of a host folder beside the script, packed as the package build
// packs interface files, written to the device.
CommandOutcome PackContainer(const CommandCall& call)
{
    Parsed<std::u16string> path = ParseDevicePath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    mui_container::Packed packed = mui_container::PackFolder(call.context.scriptFolder / call.args[1].text);
    if (packed.error) return CommandOutcome::Failed("cannot pack " + *packed.error);
    DWORD status = device::WriteDeviceFile(*path, packed.bytes);
    if (status != ERROR_SUCCESS)
        return CommandOutcome::Failed("could not write " + call.args[0].text + ": " + ErrorText(status));
    size_t entries = mui_container::ReadContainer(packed.bytes).entries.size();
    call.context.transcript.Output(std::to_string(entries) + (entries == 1 ? " file" : " files") + " packed into " +
                                   std::to_string(packed.bytes.size()) + " bytes");
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"file", "put", "PATH CONTENT", "writes a file (\"text\" or @HOSTFILE), creating its folders", Needs::Device,
     &Put, Block::None, Echo::Command, nullptr, true},
    {"file", "expect", "PATH CONTENT", "checks a file's whole content (\"text\" or @HOSTFILE)", Needs::Device,
     &Expect, Block::None, Echo::Command, nullptr, true},
    {"file", "expect-missing", "PATH", "checks that nothing exists at a path", Needs::Device, &ExpectMissing},
    {"file", "list", "PATH", "prints a folder's entries with their attributes", Needs::Device, &List},
    {"file", "tree", "PATH", "prints a folder and everything below it, files with their sizes", Needs::Device,
     &Tree},
    {"file", "pack-container", "PATH HOSTFOLDER",
     "packs the files of HOSTFOLDER (beside the script) into an interface-file container at PATH", Needs::Device,
     &PackContainer},
};

}  // namespace

void AddFileCommands(CommandTable& table) { table.Add(kCommands); }

