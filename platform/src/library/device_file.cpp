#include "library/device_file.h"

#include "files/file_system.h"

namespace platform::library {

namespace {

std::optional<files::Location> Locate(const std::u16string& devicePath)
{
    files::Volume* volume = files::CurrentVolume();
    return volume ? volume->Locate(devicePath.c_str()) : std::nullopt;
}

}  // namespace

std::optional<std::string> HostFileOf(const std::u16string& devicePath)
{
    std::optional<files::Location> at = Locate(devicePath);
    if (!at || (at->kind != files::EntryKind::File && at->kind != files::EntryKind::Rom)) return std::nullopt;
    return at->host.string();
}

std::optional<std::string> HostPlaceOf(const std::u16string& devicePath)
{
    std::optional<files::Location> at = Locate(devicePath);
    if (!at || at->kind == files::EntryKind::Folder || at->IsRoot()) return std::nullopt;
    return (at->kind == files::EntryKind::File ? at->host : at->hostAsGiven).string();
}

}  // namespace platform::library
