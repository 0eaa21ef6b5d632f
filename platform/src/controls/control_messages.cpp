#include "controls/control_messages.h"

#include <crtwide.h>

#include "user/user_state.h"

namespace platform::controls {

LRESULT DefaultControlMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) Redraw(control);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_ENABLE:
        Redraw(control);
        return 0;
    default:
        return DefWindowProcW(control, message, wParam, lParam);
    }
}

LRESULT SetTextAndRedraw(HWND control, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefWindowProcW(control, WM_SETTEXT, wParam, lParam);
    Redraw(control);
    return result;
}

std::u16string WindowText(HWND window)
{
    std::shared_ptr<user::Window> record = user::Windows().Find(window);
    return record ? record->text : std::u16string();
}

bool HasClass(HWND window, LPCWSTR name)
{
    WCHAR actual[64];
    return GetClassNameW(window, actual, 64) > 0 && _wcsicmp(actual, name) == 0;
}

void Redraw(HWND control) { InvalidateRect(control, nullptr, TRUE); }

void NotifyParent(HWND control, int code)
{
    HWND parent = GetParent(control);
    if (!parent) return;
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

}  // namespace platform::controls
