// What a device image is made of on the host: its registry database, its file
// tree and the entries kept beside them. A folder is taken for an image only
// by that layout, and only those entries are ever deleted from it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform::device_setup {

extern const char kRegistryFile[];

// The registry database is a file and the file tree a real folder.
bool HasImageLayout(const std::filesystem::path& folder);

// Removes the image's own entries from FOLDER; anything else in it stays.
void RemoveImageEntries(const std::filesystem::path& folder);

// The first of the image's own entries that is a symbolic link, if any:
// following it would read and write outside the image.
std::optional<std::string> LinkedImageEntry(const std::filesystem::path& folder);

}  // namespace platform::device_setup
