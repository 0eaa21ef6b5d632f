// The device's file tree as a host folder. Device names are found without
// regard to case; a created entry keeps the spelling it was given. Host
// entries that are neither files nor folders (symlinks above all) are never
// listed and never followed: a path that meets one is refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/folder_name_index.h"

namespace platform::files {

// Rom: a ROM file where the file tree has no entry of that name.
enum class EntryKind { Missing, File, Folder, Foreign, Rom };

struct HostEntry {
    std::u16string name;   // the device's spelling of it
    std::string hostName;  // the same, as the host holds it (UTF-8)
    EntryKind kind;
    uint64_t size;  // files only
};

// Where a device path lands. An entry's key names it in the attribute store:
// its host path below the root, "/"-separated; the root's key is empty.
struct Location {
    std::filesystem::path host;  // as the host spells it when it exists
    std::string key;
    EntryKind kind;  // never Foreign
    // The same entry spelt as the caller gave its last component: what a
    // create or rename writes (for a ROM file, the RAM file that would
    // shadow it).
    std::filesystem::path hostAsGiven;
    std::string keyAsGiven;

    bool IsRoot() const { return key.empty(); }
};

std::string ChildKey(const std::string& folderKey, const std::string& hostName);

// Whether KEY is FOLDERKEY or lies beneath it.
bool IsAtOrBeneath(const std::string& key, const std::string& folderKey);

class HostTree {
public:
    explicit HostTree(std::filesystem::path root);

    // Fails with ERROR_PATH_NOT_FOUND when a folder on the way is missing or
    // is a file, ERROR_ACCESS_DENIED when the path meets a foreign entry. A
    // missing last component is no failure: it comes back as Missing.
    std::optional<Location> Locate(const std::vector<std::u16string>& components) const;

    // The entries of FOLDER that the device can see, in listing order.
    std::vector<HostEntry> List(const Location& folder) const;

    // The platform created or removed the host entry HOST; case-blind
    // look-ups follow without reading the folder again.
    void NoteAdded(const std::filesystem::path& host) const;
    void NoteRemoved(const std::filesystem::path& host) const;

private:
    std::optional<Location> Step(const Location& folder, const std::u16string& name) const;
    // The exact spelling when the host holds it, else the first entry that
    // differs only in case, in listing order.
    std::optional<HostEntry> FindEntry(const std::filesystem::path& folder, const std::u16string& name) const;
    // Every entry with a device name, foreign ones included, in listing order.
    std::vector<HostEntry> Scan(const std::filesystem::path& folder) const;

    std::filesystem::path root_;
    // A cache: look-ups fill it, whatever their constness.
    mutable FolderNameIndex names_;
};

}  // namespace platform::files
