// What the platform keyboard's panel shows: a plain keyboard, each key a box
// with its label.
#pragma once

#include <windef.h>

namespace platform::shell {

LRESULT CALLBACK KeyboardPanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::shell
