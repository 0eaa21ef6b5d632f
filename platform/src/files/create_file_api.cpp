// CreateFileW: a device file opened onto a handle of the kernel's table.
#include <windows.h>

#include "files/file_call_log.h"
#include "files/file_open.h"
#include "files/open_file.h"
#include "kernel/api_guard.h"
#include "kernel/handle_table.h"
#include "power/power_supply.h"

namespace {

using namespace platform::files;

bool IsDisposition(DWORD disposition) { return disposition >= CREATE_NEW && disposition <= TRUNCATE_EXISTING; }

// GENERIC_ALL grants both; the other rights matter to no file operation here.
DWORD FileAccess(DWORD desired)
{
    if (desired & GENERIC_ALL) return GENERIC_READ | GENERIC_WRITE;
    return desired & (GENERIC_READ | GENERIC_WRITE);
}

HANDLE Create(LPCWSTR path, DWORD access, DWORD share, DWORD disposition, DWORD attributes)
{
    if (!IsDisposition(disposition)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    OpenRequest request{FileAccess(access), share & (FILE_SHARE_READ | FILE_SHARE_WRITE), disposition, attributes,
                        false};
    std::optional<OpenedFile> opened = OpenDeviceFile(path, request);
    if (!opened) return INVALID_HANDLE_VALUE;
    HANDLE handle = platform::kernel::Handles().Add(
        std::make_unique<OpenFile>(opened->fd, opened->key, request.access, request.share));
    bool reportsExisting = disposition == OPEN_ALWAYS || disposition == CREATE_ALWAYS;
    // Opening changes nothing; creating or emptying a file does.
    bool changed = disposition == CREATE_NEW || disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING ||
                   (disposition == OPEN_ALWAYS && !opened->existed);
    if (changed) platform::power::NoteWrite();
    SetLastError(opened->existed && reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

}  // namespace

// Security attributes and template files mean nothing on the device.
HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode, LPSECURITY_ATTRIBUTES,
                          DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes, HANDLE)
{
    HANDLE file = platform::kernel::Guarded(INVALID_HANDLE_VALUE, [&] {
        return Create(lpFileName, dwDesiredAccess, dwShareMode, dwCreationDisposition, dwFlagsAndAttributes);
    });
    platform::files::RecordFileCall("CreateFileW", lpFileName, file != INVALID_HANDLE_VALUE);
    return file;
}
