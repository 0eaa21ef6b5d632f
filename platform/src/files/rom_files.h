// The device's files in ROM, kept in IMAGE/rom in their device layout. They
// cannot change: the factory writes them once. A ROM file shows in a folder
// of the file tree with the same path, unless a RAM file of its name
// shadows it there.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

#include "files/host_tree.h"

namespace platform::files {

class RomFiles {
public:
    struct File {
        std::u16string name;          // its device spelling
        std::filesystem::path host;
        std::string key;              // names it for sharing; never a key of the file tree
        uint64_t size;
    };

    // Reads the catalogue of ROOT, which need not exist.
    explicit RomFiles(std::filesystem::path root);

    // The ROM file at the file tree's KEY, spelt in any case.
    const File* Find(const std::string& key) const;
    // The ROM files of the folder FOLDERKEY, as entries of kind Rom.
    std::vector<HostEntry> In(const std::string& folderKey) const;
    // Whether a ROM file lies in the folder FOLDERKEY or beneath it.
    bool AnyAtOrBeneath(const std::string& folderKey) const;

    // The factory's writing of a ROM file, and a test's taking one away.
    bool Write(const std::vector<std::u16string>& components, std::string_view content);
    bool Erase(const std::vector<std::u16string>& components);

private:
    void Catalogue(const std::filesystem::path& host);

    std::filesystem::path root_;
    std::map<std::string, File> byFoldedKey_;
};

// The factory's writing of a ROM file into the mounted device's ROM.
bool WriteRomFile(const WCHAR* path, std::string_view content);

}  // namespace platform::files
