// The device's windows.h for a build against the desktop SDK (the real
// 32-bit target): the desktop's declarations, then the device's own.
#pragma once

#include_next <windows.h>

#include <windows_ce.h>

// The device starts a program at WinMain with a wide command line, the
// entry the desktop calls wWinMain.
#define WinMain wWinMain
