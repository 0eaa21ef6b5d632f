#include "windows_file_fault.h"

#include <vector>

#include <device/device_files.h>
#include <windows.h>

#include "folder_listing.h"

namespace {

// What a file another program left in the flow's way holds.
const char kLeftBehind[] = "left here by another program\n";

bool RemoveFolderTree(const std::u16string& folder)
{
    std::vector<ListedEntry> entries;
    if (ListDeviceEntries(folder + u"\\*", entries) != ERROR_SUCCESS) return false;
    for (const ListedEntry& entry : entries) {
        std::u16string path = folder + u"\\" + entry.name;
        bool folderEntry = entry.attributes & FILE_ATTRIBUTE_DIRECTORY;
        if (!(folderEntry ? RemoveFolderTree(path) : DeleteFileW(path.c_str()))) return false;
    }
    return RemoveDirectoryW(folder.c_str());
}

bool MakeMissing(const std::u16string& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_INROM) return device::RemoveRomFile(path);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveFolderTree(path);
    return DeleteFileW(path.c_str());
}

bool PutInPlace(const std::u16string& path, EntryKind kind)
{
    if (kind == EntryKind::Folder) return device::CreateDeviceFolders(path) == ERROR_SUCCESS;
    return device::WriteDeviceFile(path, kLeftBehind) == ERROR_SUCCESS;
}

bool MakeReadOnly(const std::u16string& path, DWORD attributes, EntryKind kind)
{
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (!PutInPlace(path, kind)) return false;
        attributes = GetFileAttributesW(path.c_str());
    }
    return SetFileAttributesW(path.c_str(), (attributes & ~FILE_ATTRIBUTE_DIRECTORY) | FILE_ATTRIBUTE_READONLY);
}

}  // namespace

const char* FaultName(WindowsFileFault fault) { return fault == WindowsFileFault::Missing ? "missing" : "read-only"; }

std::optional<std::string> WhyNotApplicable(WindowsFileFault fault, DWORD attributes)
{
    if (fault == WindowsFileFault::Missing && attributes == INVALID_FILE_ATTRIBUTES)
        return "absent on a fresh device: missing is how the flow finds it";
    if (fault == WindowsFileFault::ReadOnly && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_INROM))
        return "a ROM file, read-only on every device: the fresh device is this case";
    return std::nullopt;
}

bool ApplyFault(WindowsFileFault fault, const std::u16string& path, EntryKind kind)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return fault == WindowsFileFault::Missing ? MakeMissing(path, attributes) : MakeReadOnly(path, attributes, kind);
}
