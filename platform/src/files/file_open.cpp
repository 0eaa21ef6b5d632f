#include "files/file_open.h"

#include <cerrno>

#include <fcntl.h>

#include <winbase.h>

#include "files/file_system.h"
#include "files/host_error.h"
#include "files/sharing.h"

namespace platform::files {
namespace {

bool Writes(const OpenRequest& request) { return request.access & GENERIC_WRITE; }

bool Replaces(const OpenRequest& request)
{
    return request.disposition == CREATE_ALWAYS || request.disposition == TRUNCATE_EXISTING;
}

// Symlinks are never followed, even one slipped in since the path was found.
int HostFlags(const OpenRequest& request)
{
    int flags = O_CLOEXEC | O_NOFOLLOW | (request.append ? O_APPEND : 0);
    return flags | (Writes(request) || Replaces(request) ? O_RDWR : O_RDONLY);
}

// A file written anew has FILE_ATTRIBUTE_ARCHIVE beside what it was given.
void GiveAttributes(Volume& volume, const std::string& key, const OpenRequest& request)
{
    volume.Attributes().Set(key, (request.attributes & kStoredAttributes) | FILE_ATTRIBUTE_ARCHIVE);
}

std::optional<OpenedFile> OpenExisting(Volume& volume, const Location& at, const OpenRequest& request)
{
    if (request.disposition == CREATE_NEW) return Refuse(ERROR_FILE_EXISTS);
    if (request.disposition == TRUNCATE_EXISTING && !Writes(request)) return Refuse(ERROR_ACCESS_DENIED);
    if ((Writes(request) || Replaces(request)) && volume.IsReadOnly(at)) return Refuse(ERROR_ACCESS_DENIED);
    if (!SharingAllows(at.key, request.access, request.share)) return std::nullopt;
    int fd = open(at.host.c_str(), HostFlags(request) | (Replaces(request) ? O_TRUNC : 0));
    if (fd < 0) return RefuseFromHost(errno);
    if (request.disposition == CREATE_ALWAYS) GiveAttributes(volume, at.key, request);
    return OpenedFile{fd, at.key, true};
}

std::optional<OpenedFile> CreateNew(Volume& volume, const Location& at, const OpenRequest& request)
{
    if (request.disposition == OPEN_EXISTING || request.disposition == TRUNCATE_EXISTING)
        return Refuse(ERROR_FILE_NOT_FOUND);
    int fd = open(at.hostAsGiven.c_str(), HostFlags(request) | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return RefuseFromHost(errno);
    volume.Tree().NoteAdded(at.hostAsGiven);
    GiveAttributes(volume, at.keyAsGiven, request);
    return OpenedFile{fd, at.keyAsGiven, false};
}

// Written anew, a ROM file's name gets a RAM file that shadows it.
std::optional<OpenedFile> ShadowRom(Volume& volume, const Location& at, const OpenRequest& request)
{
    std::optional<OpenedFile> opened = CreateNew(volume, at, request);
    if (opened) opened->existed = true;
    return opened;
}

}  // namespace

std::optional<OpenedFile> OpenDeviceFile(const WCHAR* path, const OpenRequest& request)
{
    Volume* volume = CurrentVolume();
    if (!volume) return std::nullopt;
    std::optional<Location> at = volume->Locate(path);
    if (!at) return std::nullopt;
    if (at->kind == EntryKind::Folder) return Refuse(ERROR_ACCESS_DENIED);
    if (at->kind == EntryKind::Missing) return CreateNew(*volume, *at, request);
    if (at->kind == EntryKind::Rom && request.disposition == CREATE_ALWAYS) return ShadowRom(*volume, *at, request);
    return OpenExisting(*volume, *at, request);
}

}  // namespace platform::files
