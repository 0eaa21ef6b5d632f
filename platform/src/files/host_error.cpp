#include "files/host_error.h"

#include <cerrno>

#include <winbase.h>

namespace platform::files {

DWORD PlatformError(int hostErrno)
{
    switch (hostErrno) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case ELOOP:  // a symlink met where none may be followed
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ERROR_DISK_FULL;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EBUSY: return ERROR_SHARING_VIOLATION;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_GEN_FAILURE;
    }
}

bool FailFromHost(int hostErrno) { return Fail(PlatformError(hostErrno)); }

bool FailFromHost(const std::error_code& error) { return FailFromHost(error.value()); }

bool Fail(DWORD error)
{
    SetLastError(error);
    return false;
}

std::nullopt_t Refuse(DWORD error)
{
    SetLastError(error);
    return std::nullopt;
}

std::nullopt_t RefuseFromHost(int hostErrno) { return Refuse(PlatformError(hostErrno)); }

}  // namespace platform::files
