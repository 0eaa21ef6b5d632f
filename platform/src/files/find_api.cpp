// Listing a folder by pattern. The matches come in the order of their folded
// names, whatever order the host lists them in, and never include "." or "..".
#include <algorithm>

#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_search.h"
#include "files/file_system.h"
#include "files/host_error.h"
#include "files/name_match.h"
#include "kernel/handle_table.h"

using namespace platform::files;

namespace {

// Times are not kept on the device's files; they read as zero.
WIN32_FIND_DATAW FindData(const HostEntry& entry, DWORD attributes)
{
    WIN32_FIND_DATAW data{};
    data.dwFileAttributes = attributes;
    data.nFileSizeHigh = static_cast<DWORD>(entry.size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(entry.size & 0xFFFFFFFF);
    size_t length = std::min<size_t>(entry.name.size(), MAX_PATH - 1);
    std::copy_n(entry.name.begin(), length, data.cFileName);
    return data;
}

std::optional<std::vector<WIN32_FIND_DATAW>> Matches(const Volume& volume, LPCWSTR path)
{
    std::optional<std::vector<std::u16string>> components = SplitDevicePath(path, Leaf::Pattern);
    if (!components) return std::nullopt;
    std::u16string pattern = std::move(components->back());
    components->pop_back();
    std::optional<Location> folder = volume.Tree().Locate(*components);
    if (!folder) return std::nullopt;
    if (folder->kind != EntryKind::Folder) return Refuse(ERROR_PATH_NOT_FOUND);
    std::vector<WIN32_FIND_DATAW> found;
    for (const HostEntry& entry : volume.List(*folder)) {
        if (MatchesPattern(entry.name, pattern))
            found.push_back(FindData(entry, volume.AttributesOf(ChildKey(folder->key, entry.hostName), entry.kind)));
    }
    if (found.empty()) return Refuse(ERROR_FILE_NOT_FOUND);
    return found;
}

HANDLE FindFirst(const Volume& volume, LPCWSTR path, LPWIN32_FIND_DATAW data)
{
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::optional<std::vector<WIN32_FIND_DATAW>> found = Matches(volume, path);
    if (!found) return INVALID_HANDLE_VALUE;
    *data = found->front();
    found->erase(found->begin());
    return platform::kernel::Handles().Add(std::make_unique<FileSearch>(std::move(*found)));
}

}  // namespace

// A folder without a match fails with ERROR_FILE_NOT_FOUND, a missing folder
// with ERROR_PATH_NOT_FOUND; FindNextFileW ends with ERROR_NO_MORE_FILES.
HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData)
{
    HANDLE search =
        OnVolume(INVALID_HANDLE_VALUE, [&](Volume& volume) { return FindFirst(volume, lpFileName, lpFindFileData); });
    RecordFileCall("FindFirstFileW", lpFileName, search != INVALID_HANDLE_VALUE);
    return search;
}

BOOL WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData)
{
    return platform::kernel::Guarded(FALSE, [&] {
        FileSearch* search = platform::kernel::Handles().Find<FileSearch>(hFindFile);
        if (!search) return FALSE;
        if (!lpFindFileData) return BOOL(Fail(ERROR_INVALID_PARAMETER));
        return BOOL(search->Next(*lpFindFileData));
    });
}

BOOL WINAPI FindClose(HANDLE hFindFile)
{
    return platform::kernel::Guarded(FALSE,
                                     [&] { return BOOL(platform::kernel::Handles().Close<FileSearch>(hFindFile)); });
}
