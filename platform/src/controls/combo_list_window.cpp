// The list a drop-down combo box shows below itself: a topmost popup that
// holds the pen while it shows. A tap on a row chooses it; a tap anywhere
// else closes the list without a choice.
#include "controls/combo_list_window.h"

#include "controls/combobox_control.h"
#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/list_view.h"
#include "controls/text_measure.h"

namespace platform::controls {

namespace {

struct ComboListState {
    HWND combo = nullptr;   // the combo box whose rows it shows
    int highlighted = -1;   // the row under the pen while it is down, else the combo box's selection
    bool tracking = false;  // the pen went down on the rows
};

// The rows lie within a one-pixel frame.
ListView ViewOf(HWND list, const ComboListState& state, const ListItems& items)
{
    RECT inside;
    GetClientRect(list, &inside);
    InflateRect(&inside, -1, -1);
    int rowHeight = TextMeasure(list, ComboFont(state.combo)).LineHeight();
    return LayOutList(inside, rowHeight, items, (GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL) != 0);
}

void Paint(HWND list, const ComboListState& state)
{
    ControlPaint paint(list, ComboFont(state.combo));
    ListItems* items = ComboItems(state.combo);
    if (!items) return;
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DrawFrame(hdc, rect, GetSysColor(COLOR_WINDOWFRAME));
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    ListView view = ViewOf(list, state, *items);
    PaintRows(hdc, view, *items, state.highlighted, true);
    if (view.scrolls) PaintScrollBar(hdc, view.bar, true);
}

void Highlight(HWND list, ComboListState& state, int row)
{
    if (row < 0 || row == state.highlighted) return;
    state.highlighted = row;
    Redraw(list);
}

void PenDown(HWND list, ComboListState& state, POINT point)
{
    RECT client;
    GetClientRect(list, &client);
    ListItems* items = ComboItems(state.combo);
    if (!items || !PtInRect(&client, point)) {
        CloseComboList(state.combo);
        return;
    }
    ListView view = ViewOf(list, state, *items);
    if (ScrollByTap(view, *items, point)) {
        Redraw(list);
        return;
    }
    state.tracking = true;
    Highlight(list, state, RowAt(view, *items, point));
}

void PenMove(HWND list, ComboListState& state, POINT point)
{
    ListItems* items = ComboItems(state.combo);
    if (state.tracking && items) Highlight(list, state, RowAt(ViewOf(list, state, *items), *items, point));
}

// The pen lifted on a row chooses it; lifted elsewhere after going down on
// the list it closes the list. The lift that ends the tap which dropped the
// list does neither.
void PenUp(HWND list, ComboListState& state, POINT point)
{
    ListItems* items = ComboItems(state.combo);
    if (!state.tracking || !items) return;
    state.tracking = false;
    int row = RowAt(ViewOf(list, state, *items), *items, point);
    if (row >= 0)
        ChooseComboRow(state.combo, row);
    else
        CloseComboList(state.combo);
}

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LRESULT Handle(HWND list, ComboListState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const CREATESTRUCTW* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        state.combo = creation ? static_cast<HWND>(creation->lpCreateParams) : nullptr;
        ListItems* items = ComboItems(state.combo);
        state.highlighted = items ? items->Selected() : -1;
        return items ? 0 : -1;
    }
    case WM_PAINT:
        Paint(list, state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PenDown(list, state, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        PenMove(list, state, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        PenUp(list, state, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        CloseComboList(state.combo);  // the list lives only while it holds the pen
        return 0;
    case WM_DESTROY:
        ForgetComboList(state.combo, list);
        return 0;
    default:
        return DefWindowProcW(list, message, wParam, lParam);
    }
}

}  // namespace

std::optional<ListTap> ComboListTapToward(HWND list, int index)
{
    ComboListState* state = HasClass(list, u"ComboLBox") ? user::ClassState<ComboListState>(list) : nullptr;
    ListItems* items = state ? ComboItems(state->combo) : nullptr;
    if (!items) return std::nullopt;
    return TapToward(ViewOf(list, *state, *items), *items, index);
}

LRESULT CALLBACK ComboListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<ComboListState, Handle>(list, message, wParam, lParam);
}

}  // namespace platform::controls
