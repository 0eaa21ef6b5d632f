#include "paint_dialog_title.h"

namespace {

const COLORREF kTitleColour = RGB(0, 0, 0x9C);
const RECT kRuleRect = {0, 0, 240, 26};
const RECT kTitleRect = {8, 0, 240, 24};

// The font the context draws with, made bold; the caller deletes it.
HFONT BoldFontOf(HDC dc)
{
    LOGFONTW font = {};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

}  // namespace

int PaintDialogTitle(LPCWSTR text, HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    HFONT boldFont = BoldFontOf(dc);
    HGDIOBJ oldFont = SelectObject(dc, boldFont);
    SetBkMode(dc, TRANSPARENT);
    RECT rule = kRuleRect;
    DrawEdge(dc, &rule, EDGE_RAISED, BF_BOTTOM);
    COLORREF oldColour = SetTextColor(dc, kTitleColour);
    RECT title = kTitleRect;
    DrawTextW(dc, text, -1, &title, DT_SINGLELINE | DT_VCENTER);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
    DeleteObject(boldFont);
    EndPaint(dialog, &paint);
    return 1;
}
