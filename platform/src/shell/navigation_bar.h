// The shell's navigation bar along the top of the screen: the Start flag, the
// foreground window's title, the time, and the OK button of a dialog that
// asked SHInitDialog for one, which a tap presses.
#pragma once

#include <windef.h>

namespace platform::shell {

HWND OpenNavigationBar();
// Repaints the bar when the foreground window, its title, its OK button or
// the minute changed since it was last drawn.
void RefreshNavigationBar(HWND bar);

}  // namespace platform::shell
