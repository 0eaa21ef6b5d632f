// The single-line edit control: text typed through WM_CHAR at a caret the
// pen places, drawn in a sunken field.
#include "controls/edit_control.h"

#include <algorithm>

#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/control_readings.h"
#include "controls/edit_layout.h"
#include "controls/text_measure.h"
#include "user/text_copy.h"

namespace platform::controls {

namespace {

struct EditState {
    HFONT font = nullptr;  // from WM_SETFONT; null draws with the system font
    EditText text;         // the text, the selection and caret, and the typing limit
    int scroll = 0;        // with ES_AUTOHSCROLL, how many pixels of the text lie left of the field
};

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }

// The text as it lies in the control now.
struct TextPlace {
    RECT field;                // where text may be drawn
    std::vector<int> offsets;  // each caret position's distance from the text's start
    int left;                  // where the text starts
    int top;                   // the line's top, in the middle of the field
    int height;                // the line's height
};

TextPlace PlaceText(HWND control, const EditState& state, const EditText& text)
{
    TextMeasure measure(control, state.font);
    RECT client;
    GetClientRect(control, &client);
    DWORD style = StyleOf(control);
    TextPlace place;
    place.field = EditField(client, style);
    place.offsets = CaretOffsets(text.Text(), [&](std::u16string_view piece) { return measure.Width(piece); });
    place.left = TextLeft(place.field, place.offsets.back(), style, state.scroll);
    place.height = measure.LineHeight();
    place.top = place.field.top + (place.field.bottom - place.field.top - place.height) / 2;
    return place;
}

void PaintSelection(HDC hdc, const TextPlace& place, const std::u16string& text, size_t start, size_t end)
{
    int left = place.left + place.offsets[start];
    RECT selected{std::max(left, static_cast<int>(place.field.left)), place.top,
                  std::min(place.left + place.offsets[end], static_cast<int>(place.field.right)),
                  place.top + place.height};
    if (selected.left >= selected.right) return;
    FillColour(hdc, selected, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutW(hdc, left, place.top, ETO_CLIPPED, &selected, text.c_str() + start, static_cast<UINT>(end - start),
                nullptr);
}

// The selection and the caret show only while the control has the focus.
void Paint(HWND control, const EditState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DrawField(hdc, rect, StyleOf(control));
    TextPlace place = PlaceText(control, state, state.text);
    const std::u16string& text = state.text.Text();
    SetTextColor(hdc, TextColour(paint.Enabled()));
    ExtTextOutW(hdc, place.left, place.top, ETO_CLIPPED, &place.field, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    if (GetFocus() != control) return;
    size_t start = state.text.SelectionStart(), end = state.text.SelectionEnd();
    if (start != end) {
        PaintSelection(hdc, place, text, start, end);
        return;
    }
    int caret = place.left + place.offsets[state.text.Caret()];
    if (caret >= place.field.left && caret < place.field.right)
        FillColour(hdc, {caret, place.top, caret + 1, place.top + place.height}, GetSysColor(COLOR_WINDOWTEXT));
}

// After any change the field scrolls to keep the caret in view.
void ShowChange(HWND control, EditState& state)
{
    TextPlace place = PlaceText(control, state, state.text);
    if (StyleOf(control) & ES_AUTOHSCROLL)
        state.scroll =
            ScrollShowingCaret(state.scroll, place.offsets[state.text.Caret()], place.offsets.back(), place.field);
    Redraw(control);
}

// Without ES_AUTOHSCROLL the text may not grow wider than the field: a
// character that would take it beyond is refused as one beyond the limit is.
bool Fits(HWND control, const EditState& state, const EditText& typed)
{
    if (StyleOf(control) & ES_AUTOHSCROLL) return true;
    TextPlace place = PlaceText(control, state, typed);
    return FitsField(place.field, place.offsets.back());
}

void TypeCharacter(HWND control, EditState& state, char16_t character)
{
    EditText typed = state.text;
    EditText::Typing result = typed.Type(character);
    if (result == EditText::Typing::Ignored) return;
    if (result == EditText::Typing::Refused || !Fits(control, state, typed)) {
        NotifyParent(control, EN_MAXTEXT);
        return;
    }
    state.text = typed;
    ShowChange(control, state);
    NotifyParent(control, EN_CHANGE);
}

// As on the platform, text set by the program is a change its parent hears of.
LRESULT SetText(HWND control, EditState& state, LPARAM lParam)
{
    LPCWSTR text = reinterpret_cast<LPCWSTR>(lParam);
    state.text.Replace(text ? text : u"");
    state.scroll = 0;
    Redraw(control);
    NotifyParent(control, EN_CHANGE);
    return TRUE;
}

void PenDown(HWND control, EditState& state, LPARAM lParam)
{
    if (GetFocus() != control) SetFocus(control);
    TextPlace place = PlaceText(control, state, state.text);
    state.text.PlaceCaret(NearestCaret(state.text, place.offsets, GET_X_LPARAM(lParam) - place.left));
    ShowChange(control, state);
}

void FocusChanged(HWND control, int notification)
{
    Redraw(control);
    NotifyParent(control, notification);
}

// Each position is answered in 16 bits; beyond them the answer is -1.
LRESULT GetSelection(const EditState& state, WPARAM wParam, LPARAM lParam)
{
    DWORD start = static_cast<DWORD>(state.text.SelectionStart()), end = static_cast<DWORD>(state.text.SelectionEnd());
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
    return end > 0xFFFF ? -1 : MAKELONG(start, end);
}

LRESULT Handle(HWND control, EditState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTW* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        state.text.Replace(creation && creation->lpszName ? creation->lpszName : u"");
        return 0;
    }
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_CHAR:
        TypeCharacter(control, state, static_cast<char16_t>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PenDown(control, state, lParam);
        return 0;
    case WM_SETFOCUS:
        FocusChanged(control, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        FocusChanged(control, EN_KILLFOCUS);
        return 0;
    case WM_SETTEXT:
        return SetText(control, state, lParam);
    case WM_GETTEXT:
        return user::CopyText(state.text.Text(), wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state.text.Text().size());
    case EM_GETSEL:
        return GetSelection(state, wParam, lParam);
    case EM_SETSEL:
        state.text.Select(static_cast<int>(wParam), static_cast<int>(lParam));
        ShowChange(control, state);
        return 0;
    case EM_LIMITTEXT:
        state.text.SetLimit(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.text.Limit());
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

std::optional<POINT> EditEndPoint(HWND edit)
{
    EditState* state = HasClass(edit, u"edit") ? user::ClassState<EditState>(edit) : nullptr;
    if (!state) return std::nullopt;
    TextPlace place = PlaceText(edit, *state, state->text);
    int end = place.left + place.offsets.back() + 1;
    return POINT{std::min(end, static_cast<int>(place.field.right) - 1), place.top + place.height / 2};
}

void ReadEdit(HWND control, ControlReading& reading)
{
    if (const EditState* state = user::ClassState<EditState>(control)) reading.text = state->text.Text();
}

LRESULT CALLBACK EditProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<EditState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
