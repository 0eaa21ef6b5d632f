// The progress bar (msctls_progress32): a sunken frame filled with blocks
// as far as its position has come through its range.
#include <algorithm>
#include <cstdint>
#include <utility>

#include <commctrl.h>

#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "controls/control_readings.h"
#include "controls/progress_record.h"

namespace platform::controls {

namespace {

constexpr int kBlockGap = 2;

struct ProgressState {
    HFONT font = nullptr;  // kept for WM_GETFONT: a progress bar draws no text
    int minimum = 0;       // the range as given, which may be upside down
    int maximum = 100;
    int position = 0;      // kept within the range where the range allows
    int step = 10;         // PBM_STEPIT's advance
};

// The platform's order: first up to the minimum, then down to the maximum.
int Clamped(int64_t position, const ProgressState& state)
{
    if (position < state.minimum) position = state.minimum;
    if (position > state.maximum) position = state.maximum;
    return static_cast<int>(position);
}

// How many of WIDTH pixels the position fills.
int FilledWidth(int width, const ProgressState& state)
{
    int64_t range = int64_t{state.maximum} - state.minimum;
    if (range <= 0) return 0;
    return static_cast<int>(width * (int64_t{state.position} - state.minimum) / range);
}

void Paint(HWND control, const ProgressState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    FillColour(hdc, rect, GetSysColor(COLOR_WINDOW));
    DrawWindowBorder(hdc, rect, static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)));
    DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    InflateRect(&rect, -1, -1);
    int block = std::max(2, static_cast<int>(rect.bottom - rect.top) * 2 / 3);
    int end = rect.left + FilledWidth(rect.right - rect.left, state);
    COLORREF colour = GetSysColor(paint.Enabled() ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW);
    for (int x = rect.left; x < end; x += block + kBlockGap)
        FillColour(hdc, {x, rect.top, std::min(x + block, static_cast<int>(rect.right)), rect.bottom}, colour);
}

// A new position shows at once, as on the platform, even where nothing
// delivers paints (a dialog working without a message loop).
LRESULT MoveTo(HWND control, ProgressState& state, int64_t position)
{
    int previous = state.position;
    state.position = Clamped(position, state);
    if (state.position != previous) {
        Redraw(control);
        UpdateWindow(control);
    }
    NoteProgressBar(control, state.minimum, state.maximum, state.position);
    return previous;
}

// The previous range, each end in 16 bits.
LRESULT SetRange(HWND control, ProgressState& state, int minimum, int maximum)
{
    LRESULT previous = MAKELONG(LOWORD(state.minimum), LOWORD(state.maximum));
    state.minimum = minimum;
    state.maximum = maximum;
    state.position = Clamped(state.position, state);
    NoteProgressBar(control, state.minimum, state.maximum, state.position);
    Redraw(control);
    return previous;
}

// Past the maximum the bar starts again from the minimum.
LRESULT StepIt(HWND control, ProgressState& state)
{
    int64_t range = int64_t{state.maximum} - state.minimum;
    if (range <= 0) return state.position;
    int64_t next = int64_t{state.position} + state.step;
    if (next > state.maximum) next = (next - state.minimum) % range + state.minimum;
    if (next < state.minimum) next = (next - state.minimum) % range + state.maximum;
    return MoveTo(control, state, next);
}

LRESULT GetRange(const ProgressState& state, WPARAM wParam, LPARAM lParam)
{
    if (PPBRANGE range = reinterpret_cast<PPBRANGE>(lParam)) *range = {state.minimum, state.maximum};
    return wParam ? state.minimum : state.maximum;
}

LRESULT Handle(HWND control, ProgressState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(control, state);
        return 0;
    case PBM_SETRANGE:
        return SetRange(control, state, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
        return SetRange(control, state, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        return GetRange(state, wParam, lParam);
    case PBM_SETPOS:
        return MoveTo(control, state, static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return MoveTo(control, state, int64_t{state.position} + static_cast<int>(wParam));
    case PBM_GETPOS:
        return state.position;
    case PBM_SETSTEP:
        return std::exchange(state.step, static_cast<int>(wParam));
    case PBM_STEPIT:
        return StepIt(control, state);
    default:
        return DefaultControlMessage(control, state.font, message, wParam, lParam);
    }
}

}  // namespace

void ReadProgress(HWND control, ControlReading& reading)
{
    if (const ProgressState* state = user::ClassState<ProgressState>(control))
        reading.position = Position{state->position, state->minimum, state->maximum};
}

LRESULT CALLBACK ProgressProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<ProgressState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
