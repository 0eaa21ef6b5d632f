#include "files/folder_name_index.h"

#include <algorithm>

#include "files/device_path.h"
#include "files/name_match.h"

namespace fs = std::filesystem;

namespace platform::files {
namespace {

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

}  // namespace

bool FolderNameIndex::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && SameTime(changed, other.changed) &&
           SameTime(modified, other.modified);
}

std::optional<std::string> FolderNameIndex::Find(const fs::path& folder, const std::u16string& name)
{
    std::optional<Stamp> stamp = StampOf(folder);
    if (!stamp) return std::nullopt;
    Folder* indexed = Current(folder.string(), stamp);
    if (!indexed) indexed = &(folders_[folder.string()] = Read(folder, *stamp));
    auto found = indexed->byFoldedName.find(FoldName(name));
    if (found == indexed->byFoldedName.end() || found->second.empty()) return std::nullopt;
    const Spelling& first = *std::min_element(found->second.begin(), found->second.end(),
                                              [](const Spelling& a, const Spelling& b) { return a.name < b.name; });
    return first.hostName;
}

void FolderNameIndex::NoteAdded(const fs::path& path) { Note(path, true); }

void FolderNameIndex::NoteRemoved(const fs::path& path) { Note(path, false); }

void FolderNameIndex::Note(const fs::path& path, bool added)
{
    auto indexed = folders_.find(path.parent_path().string());
    if (indexed == folders_.end()) return;
    std::optional<Stamp> stamp = StampOf(path.parent_path());
    if (!stamp) {
        folders_.erase(indexed);
        return;
    }
    indexed->second.stamp = *stamp;
    std::string hostName = path.filename().string();
    std::optional<std::u16string> name = DeviceNameOfHost(hostName);
    if (!name) return;
    std::vector<Spelling>& spellings = indexed->second.byFoldedName[FoldName(*name)];
    if (added)
        spellings.push_back({*name, hostName});
    else
        std::erase_if(spellings, [&](const Spelling& spelling) { return spelling.hostName == hostName; });
}

std::optional<FolderNameIndex::Stamp> FolderNameIndex::StampOf(const fs::path& folder)
{
    struct stat status;
    if (stat(folder.c_str(), &status) != 0) return std::nullopt;
    return Stamp{status.st_dev, status.st_ino, status.st_ctim, status.st_mtim};
}

FolderNameIndex::Folder FolderNameIndex::Read(const fs::path& folder, const Stamp& stamp)
{
    Folder read{stamp, {}};
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string hostName = it->path().filename().string();
        if (std::optional<std::u16string> name = DeviceNameOfHost(hostName))
            read.byFoldedName[FoldName(*name)].push_back({*name, hostName});
    }
    return read;
}

FolderNameIndex::Folder* FolderNameIndex::Current(const std::string& folderKey, const std::optional<Stamp>& stamp)
{
    auto indexed = folders_.find(folderKey);
    if (indexed == folders_.end() || !(indexed->second.stamp == *stamp)) return nullptr;
    return &indexed->second;
}

}  // namespace platform::files
