// The input-panel window's procedure: it finds the module object in the
// window's user data and hands the messages of interest to the current panel.
#pragma once

#include <windows.h>

LRESULT CALLBACK SipWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
