// The installer's window: a top-level window over the work area, titled
// with the application's name and saying what the installer is doing. It is
// the parent window the setup hooks get; they may hide it.
#pragma once

#include <string>

#include <windef.h>

namespace platform::setup {

class InstallerWindow {
public:
    // DOING: "Installing", "Removing".
    InstallerWindow(const std::u16string& application, const std::u16string& doing);
    ~InstallerWindow();
    InstallerWindow(const InstallerWindow&) = delete;
    InstallerWindow& operator=(const InstallerWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace platform::setup
