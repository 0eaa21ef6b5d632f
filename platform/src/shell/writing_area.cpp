#include "shell/writing_area.h"

#include <windows.h>

#include "controls/control_drawing.h"

namespace {

constexpr int kInset = 4;
constexpr int kDashLength = 4;

// A dashed line two thirds of the way down, where letters stand.
void DrawBaseline(HDC hdc, const RECT& area)
{
    LONG y = area.top + (area.bottom - area.top) * 2 / 3;
    for (LONG x = area.left + kInset; x < area.right - kInset; x += 2 * kDashLength)
        platform::controls::FillColour(hdc, {x, y, std::min(x + kDashLength, area.right - kInset), y + 1},
                                       GetSysColor(COLOR_BTNSHADOW));
}

void Paint(HWND panel)
{
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(panel, &paint);
    RECT client;
    GetClientRect(panel, &client);
    platform::controls::FillColour(hdc, client, GetSysColor(COLOR_BTNFACE));
    RECT area = client;
    InflateRect(&area, -kInset, -kInset);
    platform::controls::FillColour(hdc, area, GetSysColor(COLOR_WINDOW));
    RECT border = area;
    platform::controls::DrawFrame(hdc, border, GetSysColor(COLOR_WINDOWFRAME));
    DrawBaseline(hdc, area);
    EndPaint(panel, &paint);
}

}  // namespace

namespace platform::shell {

LRESULT CALLBACK WritingAreaProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        Paint(panel);
        return 0;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

}  // namespace platform::shell
