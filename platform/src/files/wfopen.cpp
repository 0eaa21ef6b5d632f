// The runtime's _wfopen over the device's files: the same path rules,
// attributes and refusals as CreateFileW, then a host stream in binary mode.
// The stream is the host's (fclose closes it), so the kernel does not track
// it: it opens sharing reading and writing, as the runtime does, and holds
// no share lock of its own.
#include <cstdio>
#include <optional>
#include <string>

#include <unistd.h>

#include <crtwide.h>
#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_open.h"
#include "kernel/api_guard.h"

namespace {

using platform::files::OpenRequest;

struct StreamMode {
    OpenRequest request;
    const char* hostMode;
};

// "r", "w" or "a", then any of "+", "b", "t": text mode has no meaning on the
// host, so every stream is binary.
std::optional<StreamMode> ParseMode(const WCHAR* mode)
{
    if (!mode) return std::nullopt;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    bool update = false;
    for (const WCHAR* flag = mode + (*mode ? 1 : 0); *flag; ++flag) {
        if (*flag == u'+')
            update = true;
        else if (*flag != u'b' && *flag != u't')
            return std::nullopt;
    }
    const DWORD reads = GENERIC_READ, writes = GENERIC_WRITE, both = reads | writes;
    switch (*mode) {
    case u'r': return StreamMode{{update ? both : reads, share, OPEN_EXISTING, 0, false}, update ? "r+b" : "rb"};
    case u'w': return StreamMode{{update ? both : writes, share, CREATE_ALWAYS, 0, false}, update ? "w+b" : "wb"};
    case u'a': return StreamMode{{update ? both : writes, share, OPEN_ALWAYS, 0, true}, update ? "a+b" : "ab"};
    default: return std::nullopt;
    }
}

FILE* Open(const WCHAR* path, const WCHAR* mode)
{
    std::optional<StreamMode> parsed = ParseMode(mode);
    if (!parsed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::optional<platform::files::OpenedFile> opened = platform::files::OpenDeviceFile(path, parsed->request);
    if (!opened) return nullptr;
    FILE* stream = fdopen(opened->fd, parsed->hostMode);
    if (!stream) {
        close(opened->fd);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return stream;
}

}  // namespace

FILE* _wfopen(const WCHAR* path, const WCHAR* mode)
{
    FILE* stream = platform::kernel::Guarded<FILE*>(nullptr, [&] { return Open(path, mode); });
    platform::files::RecordFileCall("_wfopen", path, stream != nullptr);
    return stream;
}
