#include "files/volume.h"

#include <cerrno>

#include <winbase.h>

#include "files/host_error.h"

namespace platform::files {

Volume::Volume(std::filesystem::path root, std::unique_ptr<AttributeStore> attributes)
    : tree_(std::move(root)), attributes_(std::move(attributes))
{
}

std::optional<Location> Volume::Locate(const WCHAR* path) const
{
    std::optional<std::vector<std::u16string>> components = SplitDevicePath(path, Leaf::Name);
    if (!components) return std::nullopt;
    return tree_.Locate(*components);
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

}  // namespace platform::files
