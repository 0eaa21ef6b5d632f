// The shape of every control's window procedure: its private record found
// (or made) for the window, then its own handler.
#pragma once

#include <windows.h>

#include "kernel/api_guard.h"
#include "user/class_state.h"

namespace platform::controls {

template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT ControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return kernel::Guarded<LRESULT>(0, [&] {
        State* state = user::ClassState<State>(control);
        return state ? Handle(control, *state, message, wParam, lParam) : 0;
    });
}

}  // namespace platform::controls
