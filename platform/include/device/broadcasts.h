// Messages sent to HWND_BROADCAST, which every top-level window heard, in the
// order they were sent, with the device's time.
#pragma once

#include <vector>

#include <windef.h>

namespace device {

struct BroadcastRecord {
    DWORD time;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

const std::vector<BroadcastRecord>& BroadcastLog();
size_t BroadcastLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearBroadcastLog();

}  // namespace device
