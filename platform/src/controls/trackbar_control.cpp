// The trackbar (msctls_trackbar32): a thumb on a channel over a range of
// positions, moved by the pen or by the program, never out of the range.
// Horizontal only.
#include "controls/trackbar_control.h"

#include <algorithm>
#include <cstdint>

#include <commctrl.h>

#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/control_readings.h"
#include "controls/trackbar_layout.h"

namespace platform::controls {

namespace {

struct TrackbarState {
    HFONT font = nullptr;    // kept for WM_GETFONT: a trackbar draws no text
    int minimum = 0;         // the range, minimum <= maximum always
    int maximum = 100;
    int position = 0;        // within the range always
    int pageSize = 20;       // a fifth of the range (at least 1) unless set
    int lineSize = 1;
    bool dragging = false;   // the pen is down on the trackbar, which holds the capture
};

TrackbarLayout LayoutOf(HWND control)
{
    RECT client;
    GetClientRect(control, &client);
    return LayOutTrackbar(client, static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)));
}

// One mark for each position, where a position has a place of its own.
void PaintTicks(HDC hdc, const TrackbarLayout& layout, const TrackbarState& state, COLORREF colour)
{
    for (int x = layout.firstX; x <= layout.lastX; ++x) {
        int position = NearestPosition(layout, state.minimum, state.maximum, x);
        if (XOfPosition(layout, state.minimum, state.maximum, position) == x)
            FillColour(hdc, {x, layout.tickTop, x + 1, layout.tickTop + kTickLength}, colour);
    }
}

void Paint(HWND control, const TrackbarState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    DrawWindowBorder(hdc, rect, static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)));
    TrackbarLayout layout = LayoutOf(control);
    RECT channel = layout.channel;
    DrawEdge(hdc, &channel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillColour(hdc, channel, GetSysColor(COLOR_WINDOW));
    if (layout.ticks) PaintTicks(hdc, layout, state, TextColour(paint.Enabled()));
    RECT thumb = ThumbRect(layout, XOfPosition(layout, state.minimum, state.maximum, state.position));
    DrawButtonFace(hdc, thumb, !paint.Enabled());
}

// A range given upside down is taken as empty at its minimum, so that the
// position always has a place.
void SetRange(HWND control, TrackbarState& state, int minimum, int maximum, WPARAM redraw)
{
    state.minimum = minimum;
    state.maximum = std::max(minimum, maximum);
    state.position = std::clamp(state.position, state.minimum, state.maximum);
    state.pageSize = static_cast<int>(std::max<int64_t>(1, (int64_t{state.maximum} - state.minimum) / 5));
    if (redraw) Redraw(control);
}

void SetPosition(HWND control, TrackbarState& state, LPARAM position, WPARAM redraw)
{
    state.position = static_cast<int>(std::clamp<LPARAM>(position, state.minimum, state.maximum));
    if (redraw) Redraw(control);
}

void TellParent(HWND control, int code, int position)
{
    if (HWND parent = GetParent(control))
        SendMessageW(parent, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(control));
}

// The thumb follows the pen to the nearest position; each move to another
// position is TB_THUMBTRACK to the parent.
void FollowPen(HWND control, TrackbarState& state, LPARAM lParam)
{
    int position = NearestPosition(LayoutOf(control), state.minimum, state.maximum, GET_X_LPARAM(lParam));
    if (position == state.position) return;
    state.position = position;
    Redraw(control);
    TellParent(control, TB_THUMBTRACK, position);
}

void PenDown(HWND control, TrackbarState& state, LPARAM lParam)
{
    SetFocus(control);
    SetCapture(control);
    state.dragging = true;
    FollowPen(control, state, lParam);
}

void PenUp(HWND control, TrackbarState& state)
{
    if (!state.dragging) return;
    state.dragging = false;
    ReleaseCapture();
    TellParent(control, TB_THUMBPOSITION, state.position);
    TellParent(control, TB_ENDTRACK, 0);
}

LRESULT Exchange(int& value, LPARAM given)
{
    int previous = value;
    value = static_cast<int>(given);
    return previous;
}

LRESULT Handle(HWND control, TrackbarState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        PenDown(control, state, lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (state.dragging) FollowPen(control, state, lParam);
        return 0;
    case WM_LBUTTONUP:
        PenUp(control, state);
        return 0;
    case WM_CAPTURECHANGED:
        state.dragging = false;
        return 0;
    case TBM_GETPOS:
        return state.position;
    case TBM_GETRANGEMIN:
        return state.minimum;
    case TBM_GETRANGEMAX:
        return state.maximum;
    case TBM_SETPOS:
        SetPosition(control, state, lParam, wParam);
        return 0;
    case TBM_SETRANGE:
        SetRange(control, state, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)), wParam);
        return 0;
    case TBM_SETRANGEMIN:
        SetRange(control, state, static_cast<int>(lParam), std::max(state.maximum, static_cast<int>(lParam)), wParam);
        return 0;
    case TBM_SETRANGEMAX:
        SetRange(control, state, std::min(state.minimum, static_cast<int>(lParam)), static_cast<int>(lParam), wParam);
        return 0;
    case TBM_SETPAGESIZE:
        return Exchange(state.pageSize, lParam);
    case TBM_GETPAGESIZE:
        return state.pageSize;
    case TBM_SETLINESIZE:
        return Exchange(state.lineSize, lParam);
    case TBM_GETLINESIZE:
        return state.lineSize;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

void ReadTrackbar(HWND control, ControlReading& reading)
{
    if (const TrackbarState* state = user::ClassState<TrackbarState>(control))
        reading.position = Position{state->position, state->minimum, state->maximum};
}

std::optional<POINT> TrackbarPoint(HWND trackbar, int position)
{
    TrackbarState* state = HasClass(trackbar, TRACKBAR_CLASSW) ? user::ClassState<TrackbarState>(trackbar) : nullptr;
    if (!state) return std::nullopt;
    TrackbarLayout layout = LayoutOf(trackbar);
    return POINT{XOfPosition(layout, state->minimum, state->maximum, position),
                 (layout.thumbTop + layout.thumbBottom) / 2};
}

LRESULT CALLBACK TrackbarProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<TrackbarState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
