#include "shell/navigation_bar.h"

#include <string>
#include <string_view>

#include <device/dialogs.h>
#include <device/screen.h>
#include <windows.h>
#include <windowsx.h>

#include "controls/control_drawing.h"
#include "kernel/virtual_clock.h"
#include "shell/shell_bars_layout.h"
#include "user/user_state.h"

namespace {

using platform::controls::FillColour;

const WCHAR kBarClass[] = u"HHTaskBar";
const COLORREF kBarColour = RGB(0, 48, 140);
const COLORREF kBarText = RGB(255, 255, 255);

// What the bar shows; it is drawn again when this changes.
struct Shown {
    std::u16string title;
    std::u16string clock;
    HWND foreground = nullptr;
    bool doneButton = false;

    bool operator==(const Shown&) const = default;
};

Shown drawn;

// Read from the window manager's own records: asking the window for its
// text would send it a message each time the device falls idle.
Shown WhatToShow()
{
    Shown shown;
    shown.clock = platform::shell::ClockText(platform::kernel::ClockTicks());
    std::shared_ptr<platform::user::Window> foreground = platform::user::Windows().Find(platform::user::Input().active);
    if (!foreground) return shown;
    shown.foreground = foreground->handle;
    shown.title = foreground->text;
    shown.doneButton = device::HasDoneButton(foreground->handle);
    return shown;
}

HFONT CreateBarFont(LONG weight)
{
    LOGFONTW font = {};
    font.lfHeight = -12;
    font.lfWeight = weight;
    std::u16string_view face = u"Tahoma";
    face.copy(font.lfFaceName, face.size());
    return CreateFontIndirectW(&font);
}

// The four panes of the Windows flag.
void DrawStartFlag(HDC hdc)
{
    const RECT& flag = platform::shell::kStartFlag;
    LONG middleX = (flag.left + flag.right) / 2, middleY = (flag.top + flag.bottom) / 2;
    FillColour(hdc, {flag.left + 4, flag.top + 3, middleX, middleY}, RGB(255, 64, 32));
    FillColour(hdc, {middleX + 1, flag.top + 3, flag.right - 4, middleY}, RGB(64, 200, 64));
    FillColour(hdc, {flag.left + 4, middleY + 1, middleX, flag.bottom - 3}, RGB(64, 128, 255));
    FillColour(hdc, {middleX + 1, middleY + 1, flag.right - 4, flag.bottom - 3}, RGB(255, 210, 0));
}

void DrawBarText(HDC hdc, std::u16string_view text, RECT area, UINT align)
{
    DrawTextW(hdc, text.data(), static_cast<int>(text.size()), &area, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// "ok" in a white-edged box, as the shell draws its OK button.
void DrawDoneButton(HDC hdc)
{
    RECT box = platform::shell::kDoneButton;
    platform::controls::DrawFrame(hdc, box, kBarText);
    DrawBarText(hdc, u"ok", platform::shell::kDoneButton, DT_CENTER);
}

void Paint(HWND bar)
{
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(bar, &paint);
    drawn = WhatToShow();
    FillColour(hdc, {0, 0, device::kScreenWidth, device::kNavigationBarHeight}, kBarColour);
    DrawStartFlag(hdc);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kBarText);
    HFONT bold = CreateBarFont(FW_BOLD);
    HGDIOBJ previous = SelectObject(hdc, bold);
    DrawBarText(hdc, drawn.title, platform::shell::kTitleArea, DT_LEFT);
    HFONT plain = CreateBarFont(FW_NORMAL);
    SelectObject(hdc, plain);
    DrawBarText(hdc, drawn.clock, platform::shell::TimeArea(drawn.doneButton), DT_RIGHT);
    if (drawn.doneButton) DrawDoneButton(hdc);
    SelectObject(hdc, previous);
    DeleteObject(bold);
    DeleteObject(plain);
    EndPaint(bar, &paint);
}

void Tapped(POINT point)
{
    if (drawn.doneButton && PtInRect(&platform::shell::kDoneButton, point)) device::PressDoneButton(drawn.foreground);
}

LRESULT CALLBACK BarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(bar); return 0;
    case WM_LBUTTONUP: Tapped({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    default: return DefWindowProcW(bar, message, wParam, lParam);
    }
}

}  // namespace

namespace platform::shell {

HWND OpenNavigationBar()
{
    WNDCLASSW barClass = {};
    barClass.lpfnWndProc = BarProcedure;
    barClass.hbrBackground = nullptr;
    barClass.lpszClassName = kBarClass;
    RegisterClassW(&barClass);
    drawn = {};
    return CreateWindowExW(WS_EX_TOPMOST, kBarClass, u"", WS_POPUP | WS_VISIBLE, 0, 0, device::kScreenWidth,
                           device::kNavigationBarHeight, nullptr, nullptr, nullptr, nullptr);
}

void RefreshNavigationBar(HWND bar)
{
    if (WhatToShow() != drawn) InvalidateRect(bar, nullptr, FALSE);
}

}  // namespace platform::shell
