// Creating and removing folders.
#include <cerrno>

#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_system.h"
#include "files/host_error.h"
#include "power/power_supply.h"

namespace fs = std::filesystem;
using namespace platform::files;

namespace {

bool CreateFolder(Volume& volume, LPCWSTR path)
{
    std::optional<Location> at = volume.Locate(path);
    if (!at) return false;
    if (at->kind != EntryKind::Missing) return Fail(ERROR_ALREADY_EXISTS);
    std::error_code error;
    if (!fs::create_directory(at->hostAsGiven, error)) return FailFromHost(error ? error.value() : EEXIST);
    volume.Tree().NoteAdded(at->hostAsGiven);
    // Records left by an entry the host lost must not pass to the new one.
    volume.Attributes().Forget(at->keyAsGiven);
    return true;
}

// A read-only folder, like the root, cannot be removed; one holding ROM
// files is never empty.
bool RemoveFolder(Volume& volume, LPCWSTR path)
{
    std::optional<Location> at = volume.LocateExisting(path);
    if (!at) return false;
    if (at->kind != EntryKind::Folder) return Fail(ERROR_DIRECTORY);
    if (at->IsRoot() || volume.IsReadOnly(*at)) return Fail(ERROR_ACCESS_DENIED);
    if (volume.HoldsRomFiles(*at)) return Fail(ERROR_DIR_NOT_EMPTY);
    return volume.Remove(*at);
}

}  // namespace

BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES)
{
    BOOL done = platform::power::Counted(
        OnVolume(FALSE, [&](Volume& volume) { return BOOL(CreateFolder(volume, lpPathName)); }));
    RecordFileCall("CreateDirectoryW", lpPathName, done);
    return done;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR lpPathName)
{
    BOOL done = platform::power::Counted(
        OnVolume(FALSE, [&](Volume& volume) { return BOOL(RemoveFolder(volume, lpPathName)); }));
    RecordFileCall("RemoveDirectoryW", lpPathName, done);
    return done;
}
