#include "files/file_call_log.h"

#include <device/bounded_log.h>
#include <winbase.h>

#include <utility>

namespace {

device::BoundedLog<device::FileCall> calls;

std::u16string TextOrEmpty(const WCHAR* text) { return text ? std::u16string(text) : std::u16string(); }

}  // namespace

namespace platform::files {

void RecordFileCall(const char* function, const WCHAR* path, bool succeeded, const WCHAR* target)
{
    DWORD error = succeeded ? ERROR_SUCCESS : GetLastError();
    try {
        calls.Add({function, TextOrEmpty(path), TextOrEmpty(target), error});
    } catch (...) {
        // A call log that cannot grow must not change what the call did.
    }
}

}  // namespace platform::files

namespace device {

const std::vector<FileCall>& FileCalls() { return calls.Entries(); }

size_t FileCallsDropped() { return calls.Dropped(); }

void ClearFileCalls() { calls.Clear(); }

}  // namespace device
