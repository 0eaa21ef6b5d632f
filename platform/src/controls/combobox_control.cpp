// The drop-down list combo box: a box showing the selected row, which drops
// its list below itself when tapped.
#include "controls/combobox_control.h"

#include <utility>
#include <device/screen.h>

#include "controls/combo_layout.h"
#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/fitted_height.h"
#include "controls/control_readings.h"
#include "controls/item_messages.h"
#include "controls/text_measure.h"
#include "user/text_copy.h"

namespace platform::controls {

namespace {

const WCHAR kComboListClass[] = u"ComboLBox";

struct ComboBoxState {
    HFONT font = nullptr;    // from WM_SETFONT; null draws with the system font
    ListItems items;         // the rows, the selected one, and the first in view when dropped
    int givenHeight = 0;     // the height it was last given: the box and its dropped list together
    HWND list = nullptr;     // the dropped list, while it shows
};

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }

ComboBoxState* StateOf(HWND combo)
{
    return HasClass(combo, u"combobox") ? user::ClassState<ComboBoxState>(combo) : nullptr;
}

std::u16string_view SelectedText(const ComboBoxState& state)
{
    const ListItem* item = state.items.At(state.items.Selected());
    return item ? std::u16string_view(item->text) : std::u16string_view();
}

// With the focus, and its list not dropped, the box shows its text selected.
void Paint(HWND control, const ComboBoxState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    DrawEdge(hdc, &rect, EDGE_SUNKEN, BF_RECT);
    ComboLayout layout = LayOutCombo(paint.Client());
    DrawArrowButton(hdc, layout.button, ArrowDirection::Down, paint.Enabled());
    bool marked = GetFocus() == control && !state.list && paint.Enabled();
    if (marked) FillColour(hdc, layout.text, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(hdc, marked ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColour(paint.Enabled()));
    RECT text{layout.text.left + kComboIndent, layout.text.top, layout.text.right, layout.text.bottom};
    std::u16string_view shown = SelectedText(state);
    DrawTextW(hdc, shown.data(), static_cast<int>(shown.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

int RowHeight(HWND control, const ComboBoxState& state) { return TextMeasure(control, state.font).LineHeight(); }

// Whatever height the box is given, its closed box is one row high; the
// dropped list takes what is left.
int ClosedHeight(HWND control, int)
{
    const ComboBoxState* state = StateOf(control);
    return state ? ClosedComboHeight(RowHeight(control, *state)) : 0;
}

// CBN_DROPDOWN first, so that the parent may fill the list; then the list
// shows, topmost, with the selected row in view, and takes the pen.
void Drop(HWND control, ComboBoxState& state)
{
    if (state.list || !IsWindowEnabled(control)) return;
    NotifyParent(control, CBN_DROPDOWN);
    if (!IsWindow(control) || state.list) return;
    int rowHeight = RowHeight(control, state);
    int height = DroppedListHeight(state.givenHeight, rowHeight, state.items.Count());
    int rows = (height - 2) / rowHeight;
    state.items.SetTop(state.items.Top(), rows);
    state.items.ShowRow(state.items.Selected(), rows);
    RECT box;
    GetWindowRect(control, &box);
    RECT place = DroppedListRect(box, height, device::kScreenHeight);
    HWND list = CreateWindowExW(WS_EX_TOPMOST, kComboListClass, u"", WS_POPUP | (StyleOf(control) & WS_VSCROLL),
                                place.left, place.top, place.right - place.left, place.bottom - place.top, control,
                                nullptr, nullptr, control);
    if (!list) return;
    state.list = list;
    ShowWindow(list, SW_SHOWNA);
    SetCapture(list);
    Redraw(control);
}

void CloseList(HWND control, ComboBoxState& state)
{
    HWND list = state.list;
    if (!list) return;
    state.list = nullptr;
    if (GetCapture() == list) ReleaseCapture();
    DestroyWindow(list);
    Redraw(control);
    NotifyParent(control, CBN_CLOSEUP);
}

LRESULT AnswerRequest(HWND control, ComboBoxState& state, ItemRequest request, WPARAM wParam, LPARAM lParam)
{
    ItemAnswer answer = AnswerItemRequest(state.items, request, wParam, lParam, StyleOf(control) & CBS_SORT,
                                          ItemOwner::ComboBox);
    if (answer.changed) {
        Redraw(control);
        if (state.list) Redraw(state.list);
    }
    return answer.result;
}

LRESULT ShowDropDown(HWND control, ComboBoxState& state, WPARAM wParam)
{
    if (wParam)
        Drop(control, state);
    else
        CloseList(control, state);
    return TRUE;
}

LRESULT Handle(HWND control, ComboBoxState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (std::optional<ItemRequest> request = ComboBoxRequest(message))
        return AnswerRequest(control, state, *request, wParam, lParam);
    if (std::optional<LRESULT> answer =
            KeepFittedHeight(control, message, wParam, lParam, state.givenHeight, state.font, ClosedHeight))
        return *answer;
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(control);
        Drop(control, state);
        return 0;
    case WM_SETFOCUS:
        Redraw(control);
        return 0;
    case WM_KILLFOCUS:
        CloseList(control, state);
        Redraw(control);
        return 0;
    case WM_ENABLE:
        if (!wParam) CloseList(control, state);
        Redraw(control);
        return 0;
    case WM_DESTROY:
        if (state.list) DestroyWindow(std::exchange(state.list, nullptr));
        return 0;
    case CB_SHOWDROPDOWN:
        return ShowDropDown(control, state, wParam);
    case CB_GETDROPPEDSTATE:
        return state.list ? TRUE : FALSE;
    case WM_GETTEXT:
        return user::CopyText(SelectedText(state), wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(SelectedText(state).size());
    case WM_SETTEXT:
        return CB_ERR;  // a drop-down list has no text of its own to set
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

void ReadComboBox(HWND control, ControlReading& reading)
{
    const ComboBoxState* state = StateOf(control);
    if (!state) return;
    reading.text = SelectedText(*state);
    reading.selection = Selection{state->items.Selected(), state->items.Count()};
    reading.dropped = state->list != nullptr;
}

ListItems* ComboItems(HWND combo)
{
    ComboBoxState* state = StateOf(combo);
    return state ? &state->items : nullptr;
}

HFONT ComboFont(HWND combo)
{
    ComboBoxState* state = StateOf(combo);
    return state ? state->font : nullptr;
}

HWND DroppedList(HWND combo)
{
    ComboBoxState* state = StateOf(combo);
    return state ? state->list : nullptr;
}

void ChooseComboRow(HWND combo, int row)
{
    ComboBoxState* state = StateOf(combo);
    if (!state) return;
    state->items.Select(row);
    CloseList(combo, *state);
    NotifyParent(combo, CBN_SELCHANGE);
}

void CloseComboList(HWND combo)
{
    if (ComboBoxState* state = StateOf(combo)) CloseList(combo, *state);
}

void ForgetComboList(HWND combo, HWND list)
{
    ComboBoxState* state = StateOf(combo);
    if (state && state->list == list) state->list = nullptr;
}

LRESULT CALLBACK ComboBoxProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<ComboBoxState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
