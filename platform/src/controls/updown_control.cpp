// The up-down control (msctls_updown32): two arrow buttons, drawn as its
// style says. It keeps no position and has no buddy: nothing here uses them.
#include <commctrl.h>

#include "controls/control_drawing.h"
#include "controls/control_messages.h"
#include "controls/control_paint.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"

namespace platform::controls {

namespace {

struct UpDownState {
    HFONT font = nullptr;  // kept for WM_GETFONT: an up-down control draws no text
};

// Up above down, or with UDS_HORZ left beside right.
void Paint(HWND control, const UpDownState& state)
{
    ControlPaint paint(control, state.font);
    HDC hdc = paint.Context();
    RECT rect = paint.Client();
    DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    DrawWindowBorder(hdc, rect, style);
    bool across = (style & UDS_HORZ) != 0;
    RECT first = rect, second = rect;
    if (across)
        first.right = second.left = (rect.left + rect.right) / 2;
    else
        first.bottom = second.top = (rect.top + rect.bottom) / 2;
    DrawArrowButton(hdc, first, across ? ArrowDirection::Left : ArrowDirection::Up, paint.Enabled());
    DrawArrowButton(hdc, second, across ? ArrowDirection::Right : ArrowDirection::Down, paint.Enabled());
}

LRESULT Handle(HWND control, UpDownState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return DefaultControlMessage(control, state.font, message, wParam, lParam);
    Paint(control, state);
    return 0;
}

}  // namespace

LRESULT CALLBACK UpDownProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<UpDownState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
