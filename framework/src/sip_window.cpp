#include "sip_window.h"

#include <windowsx.h>

#include "sip_module.h"

namespace {

SipModule* ModuleOf(HWND window) { return reinterpret_cast<SipModule*>(GetWindowLongPtrW(window, GWL_USERDATA)); }

}  // namespace

LRESULT CALLBACK SipWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        const CREATESTRUCTW* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWL_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    SipModule* module = ModuleOf(window);
    if (!module) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        module->CurrentPanel()->Paint(dc, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_TIMER:
        module->OnTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        module->CurrentPanel()->OnPenDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        module->CurrentPanel()->OnPenUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        module->CurrentPanel()->OnDoubleTap(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSEMOVE:
        module->CurrentPanel()->OnPenMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
