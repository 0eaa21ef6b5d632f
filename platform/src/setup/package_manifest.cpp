#include "setup/package_manifest.h"

#include <crtwide.h>
#include <windef.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <device/text.h>

#include "files/device_path.h"

namespace fs = std::filesystem;

namespace platform::setup {
namespace {

using device_setup::TakeQuoted;
using device_setup::Trim;

const char16_t kInstallDirMacro[] = u"%InstallDir%\\";
const char kManifestName[] = "manifest.txt";

// A file line as written, resolved once the install directory is known.
struct FileLine {
    int number;
    std::string source;
    std::u16string destination;
    bool selfRegister;
};

struct Reader {
    const fs::path folder;
    PackageManifest manifest;
    std::optional<std::string> application, directory, setup;
    std::vector<FileLine> files;
    std::string problem;

    bool Fail(int number, const std::string& what)
    {
        problem = std::string(kManifestName) + " line " + std::to_string(number) + ": " + what;
        return false;
    }
};

// What is left of a directive line after its last quoted word: nothing, or a comment.
bool EndsCleanly(std::string_view rest) { return rest.empty() || rest.front() == '#'; }

bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

bool IsPackageFile(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    return IsPlainFileName(name) && fs::is_regular_file(fs::symlink_status(folder / name, error));
}

// An absolute device path naming something below the root, every component
// a name the device can hold.
bool IsDevicePath(const std::u16string& path)
{
    if (path.size() < 2 || path.front() != u'\\' || path.size() >= MAX_PATH) return false;
    for (size_t start = 1; start <= path.size();) {
        size_t end = std::min(path.find(u'\\', start), path.size());
        if (!files::IsDeviceName(path.substr(start, end - start))) return false;
        start = end + 1;
    }
    return true;
}

std::u16string Resolve(const std::u16string& destination, const std::u16string& installDirectory)
{
    if (_wcsnicmp(destination.c_str(), kInstallDirMacro, std::size(kInstallDirMacro) - 1) != 0) return destination;
    return installDirectory + u"\\" + destination.substr(std::size(kInstallDirMacro) - 1);
}

bool TakeOnce(Reader& reader, int number, std::string_view word, std::string_view rest,
              std::optional<std::string>& slot)
{
    std::optional<std::string> text = TakeQuoted(rest);
    if (!text || !EndsCleanly(rest)) return reader.Fail(number, std::string(word) + " needs one quoted text");
    if (slot) return reader.Fail(number, std::string(word) + " is given twice");
    slot = *text;
    return true;
}

bool TakeFile(Reader& reader, int number, std::string_view rest)
{
    std::optional<std::string> source = TakeQuoted(rest);
    std::optional<std::string> destination = source ? TakeQuoted(rest) : std::nullopt;
    if (!destination) return reader.Fail(number, "file needs a quoted source and destination");
    bool selfRegister = rest.starts_with("self-register");
    if (selfRegister) rest = Trim(rest.substr(std::string_view("self-register").size()));
    if (!EndsCleanly(rest)) return reader.Fail(number, "file takes nothing after its destination but self-register");
    if (!IsPlainFileName(*source)) return reader.Fail(number, "the source is not a plain file name: " + *source);
    if (!IsPackageFile(reader.folder, *source))
        return reader.Fail(number, "the package holds no file " + *source);
    reader.files.push_back({number, *source, device::Utf16(*destination), selfRegister});
    return true;
}

bool TakeRegistryLine(Reader& reader, int number, std::string_view line)
{
    if (device_setup::IsKeyLine(line)) {
        std::optional<device_setup::RegistryKey> key = device_setup::ParseKeyLine(line);
        if (!key) return reader.Fail(number, "not a registry key: " + std::string(line));
        reader.manifest.keys.push_back(std::move(*key));
        return true;
    }
    std::optional<device_setup::RegistryValue> value = device_setup::ParseValueLine(line);
    if (!value) return reader.Fail(number, "not a line of the manifest: " + std::string(line));
    if (reader.manifest.keys.empty()) return reader.Fail(number, "a registry value before any key");
    reader.manifest.keys.back().values.push_back(std::move(*value));
    return true;
}

bool TakeLine(Reader& reader, int number, std::string_view line)
{
    size_t space = line.find(' ');
    std::string_view word = line.substr(0, space);
    std::string_view rest = space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    if (word == "application") return TakeOnce(reader, number, word, rest, reader.application);
    if (word == "directory") return TakeOnce(reader, number, word, rest, reader.directory);
    if (word == "setup") return TakeOnce(reader, number, word, rest, reader.setup);
    if (word == "file") return TakeFile(reader, number, rest);
    return TakeRegistryLine(reader, number, line);
}

bool ResolveFiles(Reader& reader)
{
    for (const FileLine& line : reader.files) {
        std::u16string destination = Resolve(line.destination, reader.manifest.installDirectory);
        if (!IsDevicePath(destination))
            return reader.Fail(line.number, "the destination is not a file in the device's folders: " +
                                                device::Utf8(line.destination));
        for (const PackageFile& earlier : reader.manifest.files)
            if (_wcsicmp(earlier.destination.c_str(), destination.c_str()) == 0)
                return reader.Fail(line.number, "a second file for " + device::Utf8(destination));
        reader.manifest.files.push_back({line.source, destination, line.selfRegister});
    }
    return true;
}

bool Complete(Reader& reader)
{
    for (auto [word, slot] : {std::pair{"application", &reader.application}, std::pair{"directory", &reader.directory},
                              std::pair{"setup", &reader.setup}}) {
        if (!*slot) {
            reader.problem = std::string(kManifestName) + ": no " + word + " line";
            return false;
        }
    }
    reader.manifest.application = device::Utf16(*reader.application);
    if (reader.manifest.application.empty() || !files::IsDeviceName(reader.manifest.application)) {
        reader.problem = std::string(kManifestName) + ": the application name cannot name a file: " + *reader.application;
        return false;
    }
    reader.manifest.installDirectory = device::Utf16(*reader.directory);
    if (!IsDevicePath(reader.manifest.installDirectory)) {
        reader.problem = std::string(kManifestName) + ": the directory is not a folder of the device: " + *reader.directory;
        return false;
    }
    if (!IsPackageFile(reader.folder, *reader.setup)) {
        reader.problem = "the package holds no setup library " + *reader.setup;
        return false;
    }
    reader.manifest.setupLibrary = *reader.setup;
    return ResolveFiles(reader);
}

}  // namespace

ManifestReading ReadManifest(const std::string& hostFolder)
{
    Reader reader{fs::path(hostFolder), {}, {}, {}, {}, {}, {}};
    std::ifstream file(reader.folder / kManifestName, std::ios::binary);
    if (!file) return {std::nullopt, (reader.folder / kManifestName).string() + " cannot be read"};
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    bool read = true;
    device_setup::ForEachLine(text, [&](int number, std::string_view line) {
        return read = TakeLine(reader, number, line);
    });
    if (!read || !Complete(reader)) return {std::nullopt, reader.problem};
    return {std::move(reader.manifest), ""};
}

}  // namespace platform::setup
