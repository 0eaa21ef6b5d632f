// The blits made on the device, in order, so that a test can check what was
// drawn where: that a paint copied only its paint rectangle to the window,
// that a blit on a stale context failed, ...
#pragma once

#include <vector>

#include <windef.h>

namespace device {

struct BlitCall {
    enum class Function { BitBlt, PatBlt };
    enum class Target {
        Memory,  // CreateCompatibleDC
        Window,  // GetDC
        Paint,   // BeginPaint
        None,    // the handle named no device context
    };

    Function function;
    Target target;
    HWND window;  // Window and Paint targets: the window drawn on (null for the screen's)
    int x, y, width, height;  // the destination as passed
    DWORD rop;
    BOOL result;

    bool operator==(const BlitCall&) const = default;
};

// The blits since the device was opened or restarted.
const std::vector<BlitCall>& BlitLog();
size_t BlitLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearBlitLog();

}  // namespace device
