// Opening a device file as CreateFileW does, down to the host descriptor:
// shared by CreateFileW and the runtime's _wfopen.
#pragma once

#include <optional>
#include <string>

#include <windef.h>

namespace platform::files {

struct OpenRequest {
    DWORD access;       // GENERIC_READ and/or GENERIC_WRITE
    DWORD share;        // FILE_SHARE_READ and/or FILE_SHARE_WRITE
    DWORD disposition;  // CREATE_NEW ... TRUNCATE_EXISTING
    DWORD attributes;   // for a file this creates or replaces
    bool append;        // every write goes to the end (the runtime's "a")
};

struct OpenedFile {
    int fd;  // the caller's to close
    std::string key;
    bool existed;
};

// Fails with the platform's errors: ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND,
// ERROR_FILE_EXISTS (CREATE_NEW), ERROR_ACCESS_DENIED (a folder, a read-only
// file opened to write or replace), ERROR_SHARING_VIOLATION.
std::optional<OpenedFile> OpenDeviceFile(const WCHAR* path, const OpenRequest& request);

}  // namespace platform::files
