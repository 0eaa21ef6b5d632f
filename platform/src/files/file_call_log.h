// Recording the calls that name a device path for the device's file call log.
#pragma once

#include <device/file_calls.h>

namespace platform::files {

// Records FUNCTION's call on PATH (and TARGET, a move's or copy's new name):
// its success, or the last error it left, which stays as it was.
void RecordFileCall(const char* function, const WCHAR* path, bool succeeded, const WCHAR* target = nullptr);

}  // namespace platform::files
