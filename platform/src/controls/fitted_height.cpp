#include "controls/fitted_height.h"

#include "controls/control_messages.h"
#include "controls/window_place.h"

namespace platform::controls {

namespace {

void FitGiven(HWND control, LPARAM lParam, int& given, HeightFit fit)
{
    WINDOWPOS* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!position || (position->flags & SWP_NOSIZE)) return;
    if (position->cy != fit(control, given)) given = position->cy;
    position->cy = fit(control, given);
}

}  // namespace

std::optional<LRESULT> KeepFittedHeight(HWND control, UINT message, WPARAM wParam, LPARAM lParam, int& given,
                                        HFONT& font, HeightFit fit)
{
    switch (message) {
    case WM_CREATE:
        if (const CREATESTRUCTW* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam)) given = creation->cy;
        SetHeight(control, fit(control, given));
        return 0;
    case WM_WINDOWPOSCHANGING:
        FitGiven(control, lParam, given, fit);
        return 0;
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        SetHeight(control, fit(control, given));
        if (LOWORD(lParam)) Redraw(control);
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace platform::controls
