// The calls that named a file or folder of the device, in order, so that a
// test can find every path a flow touched and check what was asked of the
// files: that a file was never deleted, that a move was refused, ...
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct FileCall {
    std::string function;  // "MoveFileW"
    // The path as given; for a library, the device path the loader looked
    // at ("\Windows\" before a bare name). A search gives its pattern.
    std::u16string path;
    std::u16string target;  // a move's or copy's new name; empty for the others
    DWORD error;            // ERROR_SUCCESS, or the error the call failed with
};

// The calls since the device was opened, its factory state written, a
// restart included: the file, folder, attribute and search calls, _wfopen,
// and the library loads.
const std::vector<FileCall>& FileCalls();
size_t FileCallsDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearFileCalls();

}  // namespace device
