#include "device/factory_data.h"

#include <optional>

#include <device/device_files.h>
#include <device/text.h>
#include <windows.h>

#include "device/setup_text.h"
#include "files/file_system.h"

namespace platform::device_setup {
namespace {

struct FileKindName {
    std::string_view word;
    FactoryFile::Kind kind;
};

const FileKindName kFileKinds[] = {
    {"folder ", FactoryFile::Kind::Folder},
    {"file ", FactoryFile::Kind::File},
    {"rom ", FactoryFile::Kind::Rom},
};

const FileKindName* FileKindOf(std::string_view line)
{
    for (const FileKindName& kind : kFileKinds)
        if (line.starts_with(kind.word)) return &kind;
    return nullptr;
}

std::optional<FactoryFile> ParseFile(std::string_view line, FactoryFile::Kind kind)
{
    line = Trim(line.substr(line.find(' ')));
    std::optional<std::string> path = TakeQuoted(line);
    if (!path) return std::nullopt;
    FactoryFile file{device::Utf16(*path), kind, {}};
    if (kind == FactoryFile::Kind::Folder) return line.empty() ? std::optional<FactoryFile>(file) : std::nullopt;
    std::optional<std::string> content = TakeQuoted(line);
    if (!content || !line.empty()) return std::nullopt;
    file.content = *content;
    return file;
}

bool ParseLine(std::string_view line, FactoryData& data)
{
    if (IsKeyLine(line)) {
        std::optional<RegistryKey> key = ParseKeyLine(line);
        if (key) data.keys.push_back(*key);
        return key.has_value();
    }
    if (const FileKindName* kind = FileKindOf(line)) {
        std::optional<FactoryFile> file = ParseFile(line, kind->kind);
        if (file) data.files.push_back(*file);
        return file.has_value();
    }
    if (data.keys.empty()) return false;
    std::optional<RegistryValue> value = ParseValueLine(line);
    if (value) data.keys.back().values.push_back(*value);
    return value.has_value();
}

bool WriteKey(const RegistryKey& key)
{
    HKEY handle = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(key.root, key.path.c_str(), 0, nullptr, 0, 0, nullptr, &handle, &disposition) !=
        ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (const RegistryValue& value : key.values) {
        ok = RegSetValueExW(handle, value.name.c_str(), 0, value.type, value.data.data(),
                            static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS &&
             ok;
    }
    RegCloseKey(handle);
    return ok;
}

bool WriteFile(const FactoryFile& file)
{
    switch (file.kind) {
    case FactoryFile::Kind::Folder: return device::CreateDeviceFolders(file.path) == ERROR_SUCCESS;
    case FactoryFile::Kind::File: return device::WriteDeviceFile(file.path, file.content) == ERROR_SUCCESS;
    case FactoryFile::Kind::Rom: return files::WriteRomFile(file.path.c_str(), file.content);
    }
    return false;
}

}  // namespace

FactoryData ParseFactoryData(std::string_view text)
{
    FactoryData data;
    ForEachLine(text, [&](int number, std::string_view line) {
        if (ParseLine(line, data)) return true;
        data.error = "line " + std::to_string(number) + ": " + std::string(line);
        return false;
    });
    return data;
}

std::vector<std::string> ApplyFactoryData(const FactoryData& data)
{
    std::vector<std::string> failures;
    for (const RegistryKey& key : data.keys)
        if (!WriteKey(key)) failures.push_back("key " + device::Utf8(key.path));
    for (const FactoryFile& file : data.files)
        if (!WriteFile(file)) failures.push_back("file " + device::Utf8(file.path));
    return failures;
}

}  // namespace platform::device_setup
