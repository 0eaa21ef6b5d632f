#include "setup/installer_window.h"

#include <windows.h>

#include "user/user_state.h"

namespace platform::setup {
namespace {

const WCHAR kInstallerClass[] = u"wceload";
constexpr int kMargin = 8;
constexpr int kLineHeight = 20;

void RegisterInstallerClass()
{
    if (user::Classes().Find(kInstallerClass)) return;
    WNDCLASSW installerClass = {};
    installerClass.lpfnWndProc = DefWindowProcW;
    installerClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    installerClass.lpszClassName = kInstallerClass;
    RegisterClassW(&installerClass);
}

}  // namespace

InstallerWindow::InstallerWindow(const std::u16string& application, const std::u16string& doing)
{
    RegisterInstallerClass();
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    window_ = CreateWindowExW(0, kInstallerClass, application.c_str(), WS_POPUP | WS_VISIBLE, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
    std::u16string status = doing + u" " + application + u"\u2026";
    CreateWindowExW(0, u"static", status.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, kMargin, kMargin * 4,
                    area.right - area.left - 2 * kMargin, kLineHeight, window_, nullptr, nullptr, nullptr);
    UpdateWindow(window_);
}

InstallerWindow::~InstallerWindow()
{
    if (IsWindow(window_)) DestroyWindow(window_);
}

}  // namespace platform::setup
