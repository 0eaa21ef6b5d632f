#include "shell/menu_bar.h"

#include <device/screen.h>
#include <windows.h>
#include <windowsx.h>

#include "controls/control_drawing.h"
#include "shell/shell_bars_layout.h"
#include "shell/sip_manager.h"

namespace {

using platform::controls::FillColour;

const WCHAR kMenuBarClass[] = u"menu_worker";

bool drawnShown = false;  // the panel as the button was last drawn

// A small keyboard: a frame with two rows of keys and a space bar.
void DrawKeyboardGlyph(HDC hdc, RECT glyph)
{
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    platform::controls::DrawFrame(hdc, glyph, ink);
    for (LONG x = glyph.left + 1; x + 1 < glyph.right; x += 3) {
        FillColour(hdc, {x, glyph.top + 1, x + 2, glyph.top + 2}, ink);
        FillColour(hdc, {x, glyph.top + 3, x + 2, glyph.top + 4}, ink);
    }
    FillColour(hdc, {glyph.left + 4, glyph.bottom - 2, glyph.right - 4, glyph.bottom - 1}, ink);
}

// The button shows whether a tap will raise the panel or lower it.
void DrawSipButton(HDC hdc)
{
    const RECT& button = platform::shell::kSipButton;
    bool shown = drawnShown = platform::shell::SipManager::PanelShown();
    platform::controls::DrawButtonFace(hdc, button, shown);
    LONG middleY = (button.top + button.bottom) / 2;
    DrawKeyboardGlyph(hdc, {button.left + 5, middleY - 5, button.left + 23, middleY + 6});
    platform::controls::DrawArrow(hdc, {button.right - 12, middleY - 4, button.right - 2, middleY + 4},
                                  shown ? platform::controls::ArrowDirection::Down
                                        : platform::controls::ArrowDirection::Up,
                                  GetSysColor(COLOR_BTNTEXT));
}

void Paint(HWND bar)
{
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(bar, &paint);
    FillColour(hdc, {0, 0, device::kScreenWidth, device::kMenuBarHeight}, GetSysColor(COLOR_BTNFACE));
    FillColour(hdc, {0, 0, device::kScreenWidth, 1}, GetSysColor(COLOR_BTNSHADOW));
    DrawSipButton(hdc);
    EndPaint(bar, &paint);
}

void Tapped(HWND bar, POINT point)
{
    if (!PtInRect(&platform::shell::kSipButton, point)) return;
    platform::shell::SipManager& panel = platform::shell::SipManager::Running();
    if (panel.IsShown())
        panel.Hide();
    else
        panel.Show();
    platform::shell::RefreshMenuBar(bar);
}

LRESULT CALLBACK MenuBarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(bar); return 0;
    case WM_LBUTTONUP: Tapped(bar, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    default: return DefWindowProcW(bar, message, wParam, lParam);
    }
}

}  // namespace

namespace platform::shell {

HWND OpenMenuBar()
{
    WNDCLASSW barClass = {};
    barClass.lpfnWndProc = MenuBarProcedure;
    barClass.lpszClassName = kMenuBarClass;
    RegisterClassW(&barClass);
    drawnShown = false;
    return CreateWindowExW(0, kMenuBarClass, u"", WS_POPUP | WS_VISIBLE, 0, device::kInputPanelBottom,
                           device::kScreenWidth, device::kMenuBarHeight, nullptr, nullptr, nullptr, nullptr);
}

void RefreshMenuBar(HWND bar)
{
    if (SipManager::PanelShown() != drawnShown) InvalidateRect(bar, &kSipButton, FALSE);
}

}  // namespace platform::shell
