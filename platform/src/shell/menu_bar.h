// The shell's menu bar along the bottom of the screen, with the input-panel
// button at its right end: a tap on it shows the panel, or hides it.
#pragma once

#include <windef.h>

namespace platform::shell {

HWND OpenMenuBar();
// Repaints the button when the panel was shown or hidden since it was drawn.
void RefreshMenuBar(HWND bar);

}  // namespace platform::shell
