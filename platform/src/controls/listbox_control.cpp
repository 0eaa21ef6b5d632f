// The list box: rows of text, one of them selected by the program or by a
// tap, scrolled by a scroll bar when they do not all fit.
#include "controls/listbox_control.h"

#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/fitted_height.h"
#include "controls/control_readings.h"
#include "controls/item_messages.h"
#include "controls/list_box_view.h"
#include "controls/text_measure.h"

namespace platform::controls {

namespace {

struct ListBoxState {
    HFONT font = nullptr;   // from WM_SETFONT; null draws with the system font
    ListItems items;        // the rows, the selected one and the first in view
    bool tracking = false;  // the pen went down on the rows, and the list holds the capture
    int givenHeight = 0;    // the height it was last given, of which it shows the whole rows
};

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }

ListView ViewOf(HWND control, const ListBoxState& state)
{
    RECT client;
    GetClientRect(control, &client);
    return ListBoxView(client, StyleOf(control), TextMeasure(control, state.font).LineHeight(), state.items);
}

void Paint(HWND control, const ListBoxState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DrawField(hdc, rect, StyleOf(control));
    ListView view = ViewOf(control, state);
    PaintRows(hdc, view, state.items, state.items.Selected(), paint.Enabled());
    if (view.scrolls) PaintScrollBar(hdc, view.bar, paint.Enabled());
}

// Without LBS_NOINTEGRALHEIGHT the list shows the whole rows that fit in
// the height it was given; a new font fits new rows into the same height.
int WholeRowsHeight(HWND control, int given)
{
    DWORD style = StyleOf(control);
    if (style & LBS_NOINTEGRALHEIGHT) return given;
    const ListBoxState* state = user::ClassState<ListBoxState>(control);
    return IntegralListHeight(given, style, TextMeasure(control, state ? state->font : nullptr).LineHeight());
}

void SelectUnderPen(HWND control, ListBoxState& state, POINT point)
{
    int row = RowAt(ViewOf(control, state), state.items, point);
    if (row < 0 || row == state.items.Selected()) return;
    state.items.Select(row);
    Redraw(control);
}

// A tap on the scroll bar scrolls; on the rows it takes the focus and the
// pen, and selects the row under it.
void PenDown(HWND control, ListBoxState& state, LPARAM lParam, bool second)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (ScrollByTap(ViewOf(control, state), state.items, point)) {
        Redraw(control);
        return;
    }
    SetFocus(control);
    SetCapture(control);
    state.tracking = true;
    SelectUnderPen(control, state, point);
    if (second && (StyleOf(control) & LBS_NOTIFY) && RowAt(ViewOf(control, state), state.items, point) >= 0)
        NotifyParent(control, LBN_DBLCLK);
}

// As on the platform, lifting the pen after a tap on the rows notifies even
// when the selection stayed.
void PenUp(HWND control, ListBoxState& state)
{
    if (!state.tracking) return;
    state.tracking = false;
    ReleaseCapture();
    if ((StyleOf(control) & LBS_NOTIFY) && state.items.Count() > 0) NotifyParent(control, LBN_SELCHANGE);
}

LRESULT AnswerRequest(HWND control, ListBoxState& state, ItemRequest request, WPARAM wParam, LPARAM lParam)
{
    ItemAnswer answer = AnswerItemRequest(state.items, request, wParam, lParam, StyleOf(control) & LBS_SORT,
                                          ItemOwner::ListBox);
    if (!answer.changed) return answer.result;
    int visible = ViewOf(control, state).visible;
    state.items.SetTop(state.items.Top(), visible);
    if (request == ItemRequest::Select) state.items.ShowRow(state.items.Selected(), visible);
    Redraw(control);
    return answer.result;
}

LRESULT SetTopIndex(HWND control, ListBoxState& state, WPARAM wParam)
{
    int index = static_cast<int>(wParam);
    if (!state.items.Has(index)) return LB_ERR;
    state.items.SetTop(index, ViewOf(control, state).visible);
    Redraw(control);
    return 0;
}

LRESULT Handle(HWND control, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (std::optional<ItemRequest> request = ListBoxRequest(message))
        return AnswerRequest(control, state, *request, wParam, lParam);
    if (std::optional<LRESULT> answer =
            KeepFittedHeight(control, message, wParam, lParam, state.givenHeight, state.font, WholeRowsHeight))
        return *answer;
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PenDown(control, state, lParam, message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        if (state.tracking) SelectUnderPen(control, state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        PenUp(control, state);
        return 0;
    case WM_CAPTURECHANGED:
        state.tracking = false;
        return 0;
    case LB_SETTOPINDEX:
        return SetTopIndex(control, state, wParam);
    case LB_GETTOPINDEX:
        return state.items.Top();
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

void ReadListBox(HWND control, ControlReading& reading)
{
    if (const ListBoxState* state = user::ClassState<ListBoxState>(control))
        reading.selection = Selection{state->items.Selected(), state->items.Count()};
}

std::optional<ListTap> ListBoxTapToward(HWND list, int index)
{
    ListBoxState* state = HasClass(list, u"listbox") ? user::ClassState<ListBoxState>(list) : nullptr;
    if (!state) return std::nullopt;
    return TapToward(ViewOf(list, *state), state->items, index);
}

LRESULT CALLBACK ListBoxProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<ListBoxState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
