// The static control: its text in its place, aligned as its style says.
#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"

namespace platform::controls {

namespace {

struct StaticState {
    HFONT font = nullptr;  // from WM_SETFONT; null draws with the system font
};

// SS_LEFT, SS_CENTER and SS_RIGHT break their text between words;
// SS_LEFTNOWORDWRAP breaks it only where it has line breaks.
UINT TextFormat(DWORD style)
{
    UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return prefix | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return prefix | DT_RIGHT | DT_WORDBREAK;
    case SS_LEFTNOWORDWRAP:
        return prefix | DT_LEFT;
    default:
        return prefix | DT_LEFT | DT_WORDBREAK;
    }
}

void Paint(HWND control, const StaticState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DWORD style = GetWindowLongW(control, GWL_STYLE);
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    DrawWindowBorder(hdc, rect, style);
    std::u16string text = WindowText(control);
    SetTextColor(hdc, TextColour(paint.Enabled()));
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, TextFormat(style));
}

LRESULT Handle(HWND control, StaticState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_SETTEXT:
        return SetTextAndRedraw(control, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<StaticState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
