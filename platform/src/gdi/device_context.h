// A device context: the window it draws on. A paint context lives from
// BeginPaint to EndPaint.
#pragma once

#include <windef.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

class DeviceContext final : public GdiObject {
public:
    explicit DeviceContext(HWND window) : window_(window) {}

    HWND Window() const { return window_; }

    // GetObjectW describes no device context.
    int Describe(int, void*) const override { return 0; }

private:
    HWND window_;
};

// A new context for WINDOW in the drawing-object table.
HDC OpenDeviceContext(HWND window);

// Closes HDC if it is a context of WINDOW; false otherwise.
bool CloseDeviceContext(HDC hdc, HWND window);

}  // namespace platform::gdi
