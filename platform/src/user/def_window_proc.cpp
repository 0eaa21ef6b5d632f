#include "kernel/api_guard.h"
#include "user/position_messages.h"
#include "user/text_copy.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

LRESULT SetText(Window& window, LPARAM lParam)
{
    LPCWSTR text = reinterpret_cast<LPCWSTR>(lParam);
    window.text = text ? text : u"";
    return TRUE;
}

LRESULT WindowPositionChanged(HWND handle, LPARAM lParam)
{
    const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!position) return 0;
    UINT flags = position->flags;
    if (!(flags & SWP_NOMOVE) && !SendMoveMessage(handle)) return 0;
    if (!(flags & SWP_NOSIZE)) SendSizeMessage(handle);
    return 0;
}

HBRUSH ClassBackground(const Window& window)
{
    const WindowClass* windowClass = Classes().Find(MAKEINTATOM(window.classAtom));
    return windowClass ? windowClass->background : nullptr;
}

// Stands in for WM_ERASEBKGND, which is not sent here: an erasing paint fills
// with the class's background; otherwise whatever the window shows stays.
LRESULT Paint(const Window& window)
{
    PAINTSTRUCT paint;
    if (!BeginPaint(window.handle, &paint)) return 0;
    HBRUSH background = ClassBackground(window);
    if (paint.fErase && background) FillRect(paint.hdc, &paint.rcPaint, background);
    EndPaint(window.handle, &paint);
    return 0;
}

LRESULT DefaultHandling(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return 0;
    switch (message) {
    case WM_SETTEXT:
        return SetText(*window, lParam);
    case WM_GETTEXT:
        return CopyText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_WINDOWPOSCHANGED:
        return WindowPositionChanged(handle, lParam);
    case WM_PAINT:
        return Paint(*window);
    default:
        return 0;
    }
}

}  // namespace

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return Guarded<LRESULT>(0, [&] { return DefaultHandling(hWnd, Msg, wParam, lParam); });
}
