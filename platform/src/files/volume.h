// The mounted device file tree: the host folder and the attributes kept
// beside it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <winbase.h>

#include "files/attribute_store.h"
#include "files/device_path.h"
#include "files/host_tree.h"
#include "files/rom_files.h"

namespace platform::files {

// The attributes a caller can set and the store keeps.
constexpr DWORD kStoredAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// ROM files answer with these, whatever was asked.
constexpr DWORD kRomAttributes = FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_READONLY;

class Volume {
public:
    Volume(std::filesystem::path root, std::unique_ptr<AttributeStore> attributes, RomFiles rom);

    // Where PATH lands; fails with the path's error (SplitDevicePath,
    // HostTree::Locate). A name the tree lacks may be a ROM file's.
    std::optional<Location> Locate(const WCHAR* path) const;
    // The same for an entry that must exist: ERROR_FILE_NOT_FOUND when not.
    std::optional<Location> LocateExisting(const WCHAR* path) const;
    const HostTree& Tree() const { return tree_; }

    // As GetFileAttributesW answers them. A file never given attributes
    // counts as FILE_ATTRIBUTE_ARCHIVE, as a file new on the device is; a file
    // without any is FILE_ATTRIBUTE_NORMAL; a folder always has
    // FILE_ATTRIBUTE_DIRECTORY.
    DWORD AttributesOf(const std::string& key, EntryKind kind) const;
    DWORD AttributesOf(const Location& at) const { return AttributesOf(at.key, at.kind); }
    bool IsReadOnly(const Location& at) const { return AttributesOf(at) & FILE_ATTRIBUTE_READONLY; }

    // Removes a file or an empty folder from the host, with its attributes.
    bool Remove(const Location& at);

    // The entries FOLDER shows: its own and the ROM files they do not
    // shadow, in listing order.
    std::vector<HostEntry> List(const Location& folder) const;
    // A folder holding ROM files can be neither removed nor moved.
    bool HoldsRomFiles(const Location& folder) const { return rom_.AnyAtOrBeneath(folder.key); }

    AttributeStore& Attributes() { return *attributes_; }
    RomFiles& Rom() { return rom_; }

private:
    HostTree tree_;
    std::unique_ptr<AttributeStore> attributes_;
    RomFiles rom_;
};

}  // namespace platform::files
