// Which entry of a host folder answers to a device name spelt in other
// case, without listing the folder for every look-up: creating a file must
// not cost more as its folder fills.
//
// Each folder's folded names are kept in memory with the folder's host
// stamp (inode, change and modification times). A stamp that moved means
// someone changed the folder behind the platform's back, and the folder is
// read afresh; changes the platform makes itself are noted here and keep
// the index current. A change by another process within the same clock
// tick as the platform's own can go unseen until the folder changes again.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::files {

class FolderNameIndex {
public:
    // The host name of FOLDER's entry whose name is NAME but for case, the
    // first of them in listing order; none when no entry is.
    std::optional<std::string> Find(const std::filesystem::path& folder, const std::u16string& name);

    // The platform made or removed the entry PATH (a host path whose
    // folder may or may not be indexed).
    void NoteAdded(const std::filesystem::path& path);
    void NoteRemoved(const std::filesystem::path& path);

private:
    struct Spelling {
        std::u16string name;
        std::string hostName;
    };
    struct Stamp {
        dev_t device;
        ino_t inode;
        timespec changed, modified;
        bool operator==(const Stamp& other) const;
    };
    struct Folder {
        Stamp stamp;
        std::unordered_map<std::u16string, std::vector<Spelling>> byFoldedName;
    };

    void Note(const std::filesystem::path& path, bool added);
    static std::optional<Stamp> StampOf(const std::filesystem::path& folder);
    static Folder Read(const std::filesystem::path& folder, const Stamp& stamp);
    // The folder's index when it is still current.
    Folder* Current(const std::string& folderKey, const std::optional<Stamp>& stamp);

    std::unordered_map<std::string, Folder> folders_;  // by host path
};

}  // namespace platform::files
