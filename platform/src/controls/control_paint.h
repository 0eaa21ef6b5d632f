// One WM_PAINT of a control: BeginPaint with the control's font selected and
// text drawn without a background of its own; EndPaint when it goes.
#pragma once

#include <windows.h>

namespace platform::controls {

class ControlPaint {
public:
    ControlPaint(HWND control, HFONT font);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    HDC Context() const { return paint_.hdc; }
    const RECT& Client() const { return client_; }
    bool Enabled() const { return enabled_; }

private:
    HWND control_;
    PAINTSTRUCT paint_{};
    HGDIOBJ previousFont_ = nullptr;
    RECT client_{};
    bool enabled_;
};

}  // namespace platform::controls
