// Deleting, moving and copying files. Attributes go with their entries; a
// failure of the attribute store is the simulator's and shows as a device
// fault, not as a failure of a change the host has made.
#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_system.h"
#include "files/host_error.h"
#include "files/sharing.h"
#include "power/power_supply.h"

namespace fs = std::filesystem;
using namespace platform::files;

namespace {

bool Delete(Volume& volume, LPCWSTR path)
{
    std::optional<Location> at = volume.LocateExisting(path);
    if (!at) return false;
    if (at->kind == EntryKind::Folder || volume.IsReadOnly(*at)) return Fail(ERROR_ACCESS_DENIED);
    return NothingOpenAt(at->key) && volume.Remove(*at);
}

// A name may be moved onto its own spelling in other case; a folder may not
// be moved into itself. A file moved onto a ROM file's name shadows it; ROM
// files, and folders holding them, stay where they are.
bool Move(Volume& volume, LPCWSTR existing, LPCWSTR target)
{
    std::optional<Location> from = volume.LocateExisting(existing);
    if (!from) return false;
    std::optional<Location> to = volume.Locate(target);
    if (!to) return false;
    if (from->IsRoot() || from->kind == EntryKind::Rom || volume.HoldsRomFiles(*from))
        return Fail(ERROR_ACCESS_DENIED);
    bool shadowsRom = to->kind == EntryKind::Rom && from->kind == EntryKind::File;
    if (to->kind != EntryKind::Missing && !shadowsRom && to->key != from->key) return Fail(ERROR_ALREADY_EXISTS);
    if (to->keyAsGiven != from->key && IsAtOrBeneath(to->keyAsGiven, from->key)) return Fail(ERROR_ACCESS_DENIED);
    if (!NothingOpenAt(from->key)) return false;
    std::error_code error;
    fs::rename(from->host, to->hostAsGiven, error);
    if (error) return FailFromHost(error);
    volume.Tree().NoteRemoved(from->host);
    volume.Tree().NoteAdded(to->hostAsGiven);
    volume.Attributes().Move(from->key, to->keyAsGiven);
    return true;
}

// Copying reads the source as a handle with FILE_SHARE_READ would and
// writes the target as an unshared one; the copy takes the source's
// attributes. An existing target keeps its spelling; a copy onto a ROM
// file's name shadows it.
bool Copy(Volume& volume, LPCWSTR existing, LPCWSTR target, bool failIfExists)
{
    std::optional<Location> from = volume.LocateExisting(existing);
    if (!from) return false;
    std::optional<Location> to = volume.Locate(target);
    if (!to) return false;
    if (from->kind == EntryKind::Folder) return Fail(ERROR_ACCESS_DENIED);
    if (to->kind != EntryKind::Missing && failIfExists) return Fail(ERROR_FILE_EXISTS);
    if (to->kind == EntryKind::File || to->kind == EntryKind::Folder) {
        if (to->kind == EntryKind::Folder || volume.IsReadOnly(*to)) return Fail(ERROR_ACCESS_DENIED);
        if (to->key == from->key) return Fail(ERROR_SHARING_VIOLATION);
        if (!SharingAllows(to->key, GENERIC_WRITE, 0)) return false;
    }
    if (!SharingAllows(from->key, GENERIC_READ, FILE_SHARE_READ)) return false;
    bool exists = to->kind == EntryKind::File;
    std::error_code error;
    fs::copy_file(from->host, exists ? to->host : to->hostAsGiven, fs::copy_options::overwrite_existing, error);
    if (error) return FailFromHost(error);
    if (!exists) volume.Tree().NoteAdded(to->hostAsGiven);
    DWORD attributes = volume.AttributesOf(*from) & kStoredAttributes;
    volume.Attributes().Set(exists ? to->key : to->keyAsGiven, attributes);
    return true;
}

}  // namespace

BOOL WINAPI DeleteFileW(LPCWSTR lpFileName)
{
    BOOL done =
        platform::power::Counted(OnVolume(FALSE, [&](Volume& volume) { return BOOL(Delete(volume, lpFileName)); }));
    RecordFileCall("DeleteFileW", lpFileName, done);
    return done;
}

BOOL WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName)
{
    BOOL done = platform::power::Counted(
        OnVolume(FALSE, [&](Volume& volume) { return BOOL(Move(volume, lpExistingFileName, lpNewFileName)); }));
    RecordFileCall("MoveFileW", lpExistingFileName, done, lpNewFileName);
    return done;
}

BOOL WINAPI CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists)
{
    BOOL done = platform::power::Counted(OnVolume(
        FALSE, [&](Volume& volume) { return BOOL(Copy(volume, lpExistingFileName, lpNewFileName, bFailIfExists)); }));
    RecordFileCall("CopyFileW", lpExistingFileName, done, lpNewFileName);
    return done;
}
