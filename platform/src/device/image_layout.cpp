#include "device/image_layout.h"

#include <system_error>

namespace fs = std::filesystem;

namespace platform::device_setup {
namespace {

// SQLite keeps its journal and write-ahead log beside each database.
const char* const kImageEntries[] = {
    "registry.db",   "registry.db-wal",   "registry.db-shm",   "registry.db-journal",
    "attributes.db", "attributes.db-wal", "attributes.db-shm", "attributes.db-journal",
    "files",         "rom",               "marks",
};

bool IsRealKind(const fs::path& path, fs::file_type kind)
{
    std::error_code error;
    return fs::symlink_status(path, error).type() == kind;
}

}  // namespace

const char kRegistryFile[] = "registry.db";

bool HasImageLayout(const fs::path& folder)
{
    return IsRealKind(folder / kRegistryFile, fs::file_type::regular) &&
           IsRealKind(folder / "files", fs::file_type::directory);
}

void RemoveImageEntries(const fs::path& folder)
{
    std::error_code error;
    for (const char* entry : kImageEntries) fs::remove_all(folder / entry, error);
}

std::optional<std::string> LinkedImageEntry(const fs::path& folder)
{
    for (const char* entry : kImageEntries)
        if (IsRealKind(folder / entry, fs::file_type::symlink)) return entry;
    return std::nullopt;
}

}  // namespace platform::device_setup
