// The shell's SIPPREF control: invisible in a dialog, it raises the input
// panel when an edit control of the dialog takes the focus and lowers it
// when the focus goes to something else. It hears of the focus through the
// edit controls' EN_SETFOCUS and EN_KILLFOCUS, by standing in front of its
// parent's window procedure until it goes.
#include <utility>

#include <aygshell.h>

#include "controls/control_messages.h"
#include "controls/control_procedure.h"
#include "controls/control_procedures.h"
#include "user/user_state.h"

namespace platform::controls {

namespace {

struct SipPrefState {
    HWND parent = nullptr;              // the dialog it watches
    WNDPROC parentProcedure = nullptr;  // the procedure it stands in front of; null when another SIPPREF watches
};

LRESULT CALLBACK WatchParent(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// The SIPPREF of PARENT that stands in front of its procedure.
SipPrefState* WatcherOf(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!HasClass(child, WC_SIPPREF)) continue;
        SipPrefState* state = user::ClassState<SipPrefState>(child);
        if (state && state->parentProcedure) return state;
    }
    return nullptr;
}

// Where a message goes on: the procedure the watcher stood in front of, or
// (once the watcher is gone without restoring it) the parent's class procedure.
WNDPROC NextProcedure(HWND parent)
{
    if (SipPrefState* watcher = WatcherOf(parent)) return watcher->parentProcedure;
    std::shared_ptr<user::Window> window = user::Windows().Find(parent);
    const user::WindowClass* windowClass = window ? user::Classes().Find(MAKEINTATOM(window->classAtom)) : nullptr;
    return windowClass ? windowClass->procedure : DefWindowProcW;
}

// Moving from one edit control to another keeps the panel up.
void FollowFocus(HWND parent, WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control || !HasClass(control, u"edit")) return;
    if (HIWORD(wParam) == EN_SETFOCUS) SHSipPreference(parent, SIP_UP);
    if (HIWORD(wParam) == EN_KILLFOCUS && !HasClass(GetFocus(), u"edit")) SHSipPreference(parent, SIP_DOWN);
}

LRESULT CALLBACK WatchParent(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) FollowFocus(parent, wParam, lParam);
    return CallWindowProcW(NextProcedure(parent), parent, message, wParam, lParam);
}

void StartWatching(HWND control, SipPrefState& state)
{
    state.parent = GetParent(control);
    if (!state.parent || GetWindowLongPtrW(state.parent, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(WatchParent))
        return;
    state.parentProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(state.parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(WatchParent)));
}

// The parent's procedure comes back unless another has stood in front since.
void StopWatching(SipPrefState& state)
{
    WNDPROC previous = std::exchange(state.parentProcedure, nullptr);
    if (previous && IsWindow(state.parent) &&
        GetWindowLongPtrW(state.parent, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(WatchParent))
        SetWindowLongPtrW(state.parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

LRESULT Handle(HWND control, SipPrefState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        StartWatching(control, state);
        return 0;
    case WM_DESTROY:
        StopWatching(state);
        return 0;
    default:
        return DefWindowProcW(control, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK SipPrefProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlProcedure<SipPrefState, Handle>(control, message, wParam, lParam);
}

}  // namespace platform::controls
