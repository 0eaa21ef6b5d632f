// The title line of a full-screen options page.
#pragma once

#include <windows.h>

// Paints TEXT on WM_PAINT of DIALOG: bold, dark blue, at the top of the
// page, over a raised rule; answers 1.
int PaintDialogTitle(LPCWSTR text, HWND dialog);
