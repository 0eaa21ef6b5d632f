#include "files/host_tree.h"

#include <algorithm>

#include <device/text.h>
#include <winbase.h>

#include "files/device_path.h"
#include "files/host_error.h"
#include "files/name_match.h"

namespace fs = std::filesystem;

namespace platform::files {
namespace {

EntryKind KindOf(const fs::file_status& status)
{
    if (fs::is_symlink(status)) return EntryKind::Foreign;
    if (fs::is_regular_file(status)) return EntryKind::File;
    if (fs::is_directory(status)) return EntryKind::Folder;
    return fs::exists(status) ? EntryKind::Foreign : EntryKind::Missing;
}

std::optional<HostEntry> EntryOf(const fs::directory_entry& entry)
{
    std::string hostName = entry.path().filename().string();
    std::optional<std::u16string> name = DeviceNameOfHost(hostName);
    if (!name) return std::nullopt;
    std::error_code error;
    EntryKind kind = KindOf(entry.symlink_status(error));
    if (error || kind == EntryKind::Missing) return std::nullopt;
    uint64_t size = kind == EntryKind::File ? entry.file_size(error) : 0;
    return HostEntry{*name, hostName, kind, error ? 0 : size};
}

}  // namespace

std::string ChildKey(const std::string& folderKey, const std::string& hostName)
{
    return folderKey.empty() ? hostName : folderKey + "/" + hostName;
}

bool IsAtOrBeneath(const std::string& key, const std::string& folderKey)
{
    return key == folderKey ||
           (key.size() > folderKey.size() && key.starts_with(folderKey) && key[folderKey.size()] == '/');
}

HostTree::HostTree(fs::path root) : root_(std::move(root)) {}

std::optional<Location> HostTree::Locate(const std::vector<std::u16string>& components) const
{
    Location at{root_, "", EntryKind::Folder, root_, ""};
    for (const std::u16string& name : components) {
        if (at.kind != EntryKind::Folder) return Refuse(ERROR_PATH_NOT_FOUND);
        std::optional<Location> next = Step(at, name);
        if (!next) return std::nullopt;
        at = std::move(*next);
    }
    return at;
}

std::vector<HostEntry> HostTree::List(const Location& folder) const
{
    std::vector<HostEntry> entries = Scan(folder.host);
    std::erase_if(entries, [](const HostEntry& entry) { return entry.kind == EntryKind::Foreign; });
    return entries;
}

std::optional<Location> HostTree::Step(const Location& folder, const std::u16string& name) const
{
    std::string given = device::Utf8(name);
    Location at{folder.host / given, ChildKey(folder.key, given), EntryKind::Missing, folder.host / given,
                ChildKey(folder.key, given)};
    std::optional<HostEntry> found = FindEntry(folder.host, name);
    if (!found) return at;
    if (found->kind == EntryKind::Foreign) return Refuse(ERROR_ACCESS_DENIED);
    at.host = folder.host / found->hostName;
    at.key = ChildKey(folder.key, found->hostName);
    at.kind = found->kind;
    return at;
}

std::optional<HostEntry> HostTree::FindEntry(const fs::path& folder, const std::u16string& name) const
{
    std::string exact = device::Utf8(name);
    std::error_code error;
    EntryKind kind = KindOf(fs::symlink_status(folder / exact, error));
    if (kind != EntryKind::Missing) return HostEntry{name, exact, kind, 0};
    std::optional<std::string> other = names_.Find(folder, name);
    if (!other) return std::nullopt;
    kind = KindOf(fs::symlink_status(folder / *other, error));
    if (kind != EntryKind::Missing) return HostEntry{DeviceNameOfHost(*other).value_or(name), *other, kind, 0};
    // Gone already: only the folder itself can tell.
    for (HostEntry& entry : Scan(folder))
        if (SameName(entry.name, name)) return std::move(entry);
    return std::nullopt;
}

void HostTree::NoteAdded(const fs::path& host) const { names_.NoteAdded(host); }

void HostTree::NoteRemoved(const fs::path& host) const { names_.NoteRemoved(host); }

std::vector<HostEntry> HostTree::Scan(const fs::path& folder) const
{
    std::vector<HostEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (std::optional<HostEntry> entry = EntryOf(*it)) entries.push_back(std::move(*entry));
    std::sort(entries.begin(), entries.end(),
              [](const HostEntry& a, const HostEntry& b) { return ListsBefore(a.name, b.name); });
    return entries;
}

}  // namespace platform::files
