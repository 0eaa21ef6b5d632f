// Keeps the last change of any progress bar for the driver
// (<device/progress_bars.h>).
#pragma once

#include <windows.h>

namespace platform::controls {

void NoteProgressBar(HWND bar, int minimum, int maximum, int position);
void ForgetProgressBars();

}  // namespace platform::controls
