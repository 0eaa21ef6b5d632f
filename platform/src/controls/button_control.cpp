// The button: push buttons and check boxes, pressed by the pen.
#include <algorithm>

#include "controls/button_layout.h"
#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/control_readings.h"

namespace platform::controls {

namespace {

struct ButtonState {
    HFONT font = nullptr;        // from WM_SETFONT; null draws with the system font
    UINT check = BST_UNCHECKED;  // a check box's state; a push button's stays unchecked
    bool tracking = false;       // the pen went down on the button, which holds the capture
    bool pushed = false;         // drawn pressed: the pen is down over it, or BM_SETSTATE said so
};

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }

bool IsThreeState(DWORD style)
{
    DWORD type = style & BS_TYPEMASK;
    return type == BS_3STATE || type == BS_AUTO3STATE;
}

// The 7 x 7 tick, one column of three pixels at a time.
void DrawCheckMark(HDC hdc, const RECT& inside, COLORREF colour)
{
    constexpr int kColumnTops[] = {2, 3, 4, 3, 2, 1, 0};
    constexpr int kSize = 7;
    int left = inside.left + (inside.right - inside.left - kSize) / 2;
    int top = inside.top + (inside.bottom - inside.top - kSize) / 2;
    for (int column = 0; column < kSize; ++column) {
        int y = top + kColumnTops[column];
        FillColour(hdc, {left + column, y, left + column + 1, y + 3}, colour);
    }
}

void PaintPushButton(HDC hdc, RECT rect, DWORD style, const ButtonState& state, bool enabled,
                     const std::u16string& text)
{
    if (IsDefaultPushButton(style)) DrawFrame(hdc, rect, GetSysColor(COLOR_WINDOWFRAME));
    DrawButtonFace(hdc, rect, state.pushed);
    InflateRect(&rect, -2, -2);
    if (state.pushed) OffsetRect(&rect, 1, 1);
    SetTextColor(hdc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &rect, ButtonTextFormat(style));
}

void PaintCheckBox(HDC hdc, const RECT& rect, DWORD style, const ButtonState& state, bool enabled,
                   const std::u16string& text)
{
    CheckBoxLayout layout = LayOutCheckBox(rect, style);
    DrawEdge(hdc, &layout.box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillColour(hdc, layout.box, GetSysColor(enabled && !state.pushed ? COLOR_WINDOW : COLOR_BTNFACE));
    // An indeterminate box shows its tick in grey, as a disabled one does.
    bool plain = state.check == BST_CHECKED && enabled;
    if (state.check != BST_UNCHECKED)
        DrawCheckMark(hdc, layout.box, GetSysColor(plain ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetTextColor(hdc, TextColour(enabled));
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &layout.text, ButtonTextFormat(style));
}

void Paint(HWND control, const ButtonState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DWORD style = StyleOf(control);
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    DrawWindowBorder(hdc, rect, style);
    std::u16string text = WindowText(control);
    if (KindOf(style) == ButtonKind::Push)
        PaintPushButton(hdc, rect, style, state, paint.Enabled(), text);
    else
        PaintCheckBox(hdc, rect, style, state, paint.Enabled(), text);
}

void SetPushed(HWND control, ButtonState& state, bool pushed)
{
    if (state.pushed == pushed) return;
    state.pushed = pushed;
    Redraw(control);
}

bool IsInside(HWND control, LPARAM lParam)
{
    RECT client;
    GetClientRect(control, &client);
    return PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

// An automatic check box moves on to its next state through BM_SETCHECK, as
// on the platform; then the parent hears of the click.
void Clicked(HWND control, const ButtonState& state)
{
    switch (StyleOf(control) & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        SendMessageW(control, BM_SETCHECK, state.check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageW(control, BM_SETCHECK, (state.check + 1) % 3, 0);
        break;
    }
    NotifyParent(control, BN_CLICKED);
}

void PenDown(HWND control, ButtonState& state)
{
    SetFocus(control);
    SetCapture(control);
    state.tracking = true;
    SetPushed(control, state, true);
}

void PenUp(HWND control, ButtonState& state, LPARAM lParam)
{
    if (!state.tracking) return;
    state.tracking = false;  // before the capture goes, so that losing it is no surprise
    SetPushed(control, state, false);
    ReleaseCapture();
    if (IsInside(control, lParam)) Clicked(control, state);
}

void CaptureLost(HWND control, ButtonState& state)
{
    if (!state.tracking) return;
    state.tracking = false;
    SetPushed(control, state, false);
}

// A push button keeps no check; a two-state box takes BST_INDETERMINATE and
// beyond as checked.
void SetCheck(HWND control, ButtonState& state, WPARAM wParam)
{
    DWORD style = StyleOf(control);
    if (KindOf(style) == ButtonKind::Push) return;
    UINT check = static_cast<UINT>(std::min<WPARAM>(wParam, IsThreeState(style) ? BST_INDETERMINATE : BST_CHECKED));
    if (check == state.check) return;
    state.check = check;
    Redraw(control);
}

void SetStyle(HWND control, WPARAM wParam, LPARAM lParam)
{
    DWORD style = StyleOf(control);
    SetWindowLongW(control, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK)));
    if (LOWORD(lParam)) Redraw(control);
}

LRESULT StateBits(HWND control, const ButtonState& state)
{
    return state.check | (state.pushed ? BST_PUSHED : 0) | (GetFocus() == control ? BST_FOCUS : 0);
}

// BM_CLICK is the pen going down and up on the button's corner, as on the platform.
void Click(HWND control)
{
    if (!IsWindowEnabled(control)) return;
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(control, WM_LBUTTONUP, 0, 0);
}

LRESULT DialogCode(HWND control)
{
    DWORD style = StyleOf(control);
    if (KindOf(style) == ButtonKind::CheckBox) return DLGC_BUTTON;
    return DLGC_BUTTON | (IsDefaultPushButton(style) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT Handle(HWND control, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PenDown(control, state);
        return 0;
    case WM_MOUSEMOVE:
        if (state.tracking) SetPushed(control, state, IsInside(control, lParam));
        return 0;
    case WM_LBUTTONUP:
        PenUp(control, state, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        CaptureLost(control, state);
        return 0;
    case BM_GETCHECK:
        return state.check;
    case BM_SETCHECK:
        SetCheck(control, state, wParam);
        return 0;
    case BM_GETSTATE:
        return StateBits(control, state);
    case BM_SETSTATE:
        SetPushed(control, state, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetStyle(control, wParam, lParam);
        return 0;
    case BM_CLICK:
        Click(control);
        return 0;
    case WM_SETTEXT:
        return SetTextAndRedraw(control, wParam, lParam);
    case WM_GETDLGCODE:
        return DialogCode(control);
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

void ReadButton(HWND control, ControlReading& reading)
{
    const ButtonState* state = user::ClassState<ButtonState>(control);
    if (state && KindOf(StyleOf(control)) == ButtonKind::CheckBox) reading.check = state->check;
}

LRESULT CALLBACK ButtonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<ButtonState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
