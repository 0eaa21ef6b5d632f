#include "files/volume.h"

#include <algorithm>
#include <cerrno>

#include <winbase.h>

#include "files/host_error.h"
#include "files/name_match.h"

namespace platform::files {

Volume::Volume(std::filesystem::path root, std::unique_ptr<AttributeStore> attributes, RomFiles rom)
    : tree_(std::move(root)), attributes_(std::move(attributes)), rom_(std::move(rom))
{
}

std::optional<Location> Volume::Locate(const WCHAR* path) const
{
    std::optional<std::vector<std::u16string>> components = SplitDevicePath(path, Leaf::Name);
    if (!components) return std::nullopt;
    std::optional<Location> at = tree_.Locate(*components);
    if (!at || at->kind != EntryKind::Missing) return at;
    if (const RomFiles::File* rom = rom_.Find(at->keyAsGiven)) {
        at->kind = EntryKind::Rom;
        at->host = rom->host;
        at->key = rom->key;
    }
    return at;
}

std::optional<Location> Volume::LocateExisting(const WCHAR* path) const
{
    std::optional<Location> at = Locate(path);
    if (at && at->kind == EntryKind::Missing) return Refuse(ERROR_FILE_NOT_FOUND);
    return at;
}

DWORD Volume::AttributesOf(const std::string& key, EntryKind kind) const
{
    if (key.empty()) return FILE_ATTRIBUTE_DIRECTORY;
    if (kind == EntryKind::Rom) return kRomAttributes;
    if (kind == EntryKind::Folder)
        return FILE_ATTRIBUTE_DIRECTORY | (attributes_->Find(key).value_or(0) & kStoredAttributes);
    DWORD attributes = attributes_->Find(key).value_or(FILE_ATTRIBUTE_ARCHIVE) & kStoredAttributes;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

bool Volume::Remove(const Location& at)
{
    std::error_code error;
    if (!std::filesystem::remove(at.host, error)) return FailFromHost(error ? error.value() : ENOENT);
    tree_.NoteRemoved(at.host);
    attributes_->Forget(at.key);
    return true;
}

std::vector<HostEntry> Volume::List(const Location& folder) const
{
    std::vector<HostEntry> entries = tree_.List(folder);
    size_t own = entries.size();
    for (HostEntry& rom : rom_.In(folder.key)) {
        auto shadows = [&](const HostEntry& entry) { return SameName(entry.name, rom.name); };
        if (std::none_of(entries.begin(), entries.begin() + own, shadows)) entries.push_back(std::move(rom));
    }
    std::sort(entries.begin(), entries.end(),
              [](const HostEntry& a, const HostEntry& b) { return ListsBefore(a.name, b.name); });
    return entries;
}

}  // namespace platform::files
