// Reading, writing and positioning through an open file's handle.
#include <windows.h>

#include "files/host_error.h"
#include "files/open_file.h"
#include "kernel/api_guard.h"
#include "kernel/handle_table.h"
#include "power/power_supply.h"

namespace {

using platform::files::OpenFile;
using platform::kernel::Guarded;

OpenFile* FileOf(HANDLE handle) { return platform::kernel::Handles().Find<OpenFile>(handle); }

DWORD LowPart(uint64_t value) { return static_cast<DWORD>(value & 0xFFFFFFFF); }
DWORD HighPart(uint64_t value) { return static_cast<DWORD>(value >> 32); }

// A result that looks like the failure value must say it succeeded.
DWORD Succeeded(DWORD low)
{
    if (low == 0xFFFFFFFF) SetLastError(NO_ERROR);
    return low;
}

// Without a high part the distance is the signed low part alone.
int64_t Distance(LONG low, const LONG* high)
{
    if (!high) return low;
    return static_cast<int64_t>((static_cast<uint64_t>(static_cast<DWORD>(*high)) << 32) | static_cast<DWORD>(low));
}

// ReadFile and WriteFile: the count done is reported even when the host
// fails part-way.
template <class Buffer>
BOOL Transfer(HANDLE handle, Buffer buffer, DWORD count, LPDWORD reported,
              bool (OpenFile::*move)(Buffer, DWORD, DWORD&))
{
    return Guarded(FALSE, [&] {
        if (reported) *reported = 0;
        OpenFile* file = FileOf(handle);
        if (!file) return FALSE;
        if (!buffer && count) return BOOL(platform::files::Fail(ERROR_INVALID_PARAMETER));
        DWORD done = 0;
        BOOL ok = (file->*move)(buffer, count, done);
        if (reported) *reported = done;
        return ok;
    });
}

}  // namespace

// Overlapped I/O does not exist on the device; lpOverlapped is ignored.
BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED)
{
    return Transfer(hFile, lpBuffer, nNumberOfBytesToRead, lpNumberOfBytesRead, &OpenFile::Read);
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED)
{
    DWORD written = 0;
    BOOL ok = Transfer(hFile, lpBuffer, nNumberOfBytesToWrite, &written, &OpenFile::Write);
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = written;
    return written != 0 ? platform::power::Counted(ok) : ok;
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh)
{
    return Guarded(INVALID_FILE_SIZE, [&] {
        OpenFile* file = FileOf(hFile);
        std::optional<uint64_t> size = file ? file->Size() : std::nullopt;
        if (!size) return INVALID_FILE_SIZE;
        if (lpFileSizeHigh) *lpFileSizeHigh = HighPart(*size);
        return Succeeded(LowPart(*size));
    });
}

DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod)
{
    return Guarded(INVALID_SET_FILE_POINTER, [&] {
        OpenFile* file = FileOf(hFile);
        std::optional<uint64_t> position =
            file ? file->Seek(Distance(lDistanceToMove, lpDistanceToMoveHigh), dwMoveMethod) : std::nullopt;
        if (!position) return INVALID_SET_FILE_POINTER;
        if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(HighPart(*position));
        return Succeeded(LowPart(*position));
    });
}

BOOL WINAPI SetEndOfFile(HANDLE hFile)
{
    return Guarded(FALSE, [&] {
        OpenFile* file = FileOf(hFile);
        return BOOL(platform::power::Counted(file && file->Truncate()));
    });
}
