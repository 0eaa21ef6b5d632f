// Reading and setting an entry's attributes.
#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_system.h"
#include "files/host_error.h"
#include "power/power_supply.h"

using namespace platform::files;

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName)
{
    DWORD attributes = OnVolume(INVALID_FILE_ATTRIBUTES, [&](Volume& volume) {
        std::optional<Location> at = volume.LocateExisting(lpFileName);
        return at ? volume.AttributesOf(*at) : INVALID_FILE_ATTRIBUTES;
    });
    RecordFileCall("GetFileAttributesW", lpFileName, attributes != INVALID_FILE_ATTRIBUTES);
    return attributes;
}

// Only the read-only, hidden, system and archive attributes can be set;
// FILE_ATTRIBUTE_NORMAL alone clears them. The others are ignored. ROM
// files keep theirs.
BOOL WINAPI SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes)
{
    BOOL done = platform::power::Counted(OnVolume(FALSE, [&](Volume& volume) {
        std::optional<Location> at = volume.LocateExisting(lpFileName);
        if (!at) return FALSE;
        if (at->IsRoot() || at->kind == EntryKind::Rom) return BOOL(Fail(ERROR_ACCESS_DENIED));
        return BOOL(volume.Attributes().Set(at->key, dwFileAttributes & kStoredAttributes));
    }));
    RecordFileCall("SetFileAttributesW", lpFileName, done);
    return done;
}
