#include "scripted_window.h"

#include <device/message_log.h>
#include <device/paint.h>
#include <device/shell.h>

namespace {

Reaction reaction;

LRESULT CALLBACK ScriptedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (reaction)
        if (std::optional<LRESULT> result = reaction(window, message, wParam, lParam)) return *result;
    return DefWindowProcW(window, message, wParam, lParam);
}

ATOM RegisterScripted(LPCWSTR name, UINT style)
{
    WNDCLASSW info = {};
    info.style = style;
    info.lpfnWndProc = ScriptedProc;
    info.lpszClassName = name;
    return RegisterClassW(&info);
}

}  // namespace

void ScriptedWindows::SetUp()
{
    FreshDevice::SetUp();
    device::RemoveShell();
    device::ClearMessageLog();
    ASSERT_NE(RegisterScripted(kPlainClass, 0), 0);
    ASSERT_NE(RegisterScripted(kDoubleTapClass, CS_DBLCLKS), 0);
}

void ScriptedWindows::TearDown()
{
    reaction = nullptr;
    FreshDevice::TearDown();
}

HWND ScriptedWindows::Create(RECT rect, HWND parent, DWORD style, DWORD exStyle, LPCWSTR className)
{
    DWORD kind = parent ? WS_CHILD : WS_POPUP;
    HWND window = CreateWindowExW(exStyle, className, nullptr, kind | style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    device::DeliverPaints();
    device::ClearMessageLog();
    return window;
}

void ScriptedWindows::React(Reaction next) { reaction = std::move(next); }
