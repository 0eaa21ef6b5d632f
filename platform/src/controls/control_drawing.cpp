#include "controls/control_drawing.h"

#include <algorithm>

namespace platform::controls {

HFONT DrawingFont(HFONT given) { return given ? given : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

void FillColour(HDC hdc, const RECT& rect, COLORREF colour)
{
    COLORREF previous = SetBkColor(hdc, colour);
    ExtTextOutW(hdc, rect.left, rect.top, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(hdc, previous);
}

void DrawFrame(HDC hdc, RECT& rect, COLORREF colour)
{
    FillColour(hdc, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillColour(hdc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillColour(hdc, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillColour(hdc, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
    InflateRect(&rect, -1, -1);
}

void DrawWindowBorder(HDC hdc, RECT& rect, DWORD style)
{
    if (style & WS_BORDER) DrawFrame(hdc, rect, GetSysColor(COLOR_WINDOWFRAME));
}

void DrawField(HDC hdc, RECT rect, DWORD style)
{
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    if (style & WS_BORDER) DrawEdge(hdc, &rect, EDGE_SUNKEN, BF_RECT);
}

COLORREF TextColour(bool enabled) { return GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT); }

// The triangle has SIZE + 1 rows, 2 * SIZE + 1 pixels at its base.
void DrawArrow(HDC hdc, const RECT& box, ArrowDirection direction, COLORREF colour)
{
    int width = box.right - box.left, height = box.bottom - box.top;
    int size = std::max(1, std::min(width, height) / 4);
    int centreX = box.left + width / 2, centreY = box.top + height / 2;
    for (int row = 0; row <= size; ++row) {
        int half = direction == ArrowDirection::Up || direction == ArrowDirection::Left ? row : size - row;
        int along = row - size / 2;
        if (direction == ArrowDirection::Up || direction == ArrowDirection::Down)
            FillColour(hdc, {centreX - half, centreY + along, centreX + half + 1, centreY + along + 1}, colour);
        else
            FillColour(hdc, {centreX + along, centreY - half, centreX + along + 1, centreY + half + 1}, colour);
    }
}

void DrawButtonFace(HDC hdc, RECT rect, bool pushed)
{
    FillColour(hdc, rect, GetSysColor(COLOR_BTNFACE));
    if (pushed)
        DrawFrame(hdc, rect, GetSysColor(COLOR_BTNSHADOW));
    else
        DrawEdge(hdc, &rect, EDGE_RAISED, BF_RECT);
}

void DrawArrowButton(HDC hdc, const RECT& rect, ArrowDirection direction, bool enabled)
{
    DrawButtonFace(hdc, rect, false);
    DrawArrow(hdc, rect, direction, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

int TextWidth(HDC hdc, std::u16string_view text)
{
    SIZE size{};
    GetTextExtentPoint32W(hdc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int LineHeight(HDC hdc)
{
    SIZE size{};
    GetTextExtentPoint32W(hdc, u"", 0, &size);
    return size.cy;
}

}  // namespace platform::controls
