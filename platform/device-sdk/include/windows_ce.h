// What the device's windows.h declares beyond the desktop SDK's.
#pragma once

#include <windows.h>

// The WM_SETTINGCHANGE code that tells of changed international settings.
#define INI_INTL 1

extern "C" {

// Tells the boot sequence that the program started as launch number DW is up.
WINBASEAPI void WINAPI SignalStarted(DWORD dw);

// TRUE when the national-language table in \Windows\wince.nls is one this
// platform supports (the table's form is described in platform/README.md).
// FALSE otherwise, with GetLastError: ERROR_FILE_NOT_FOUND (no table),
// ERROR_BAD_FORMAT (not a national-language table), ERROR_NOT_SUPPORTED (a
// table of a version the platform does not support), or the file error
// that stopped the read.
WINBASEAPI BOOL WINAPI IsNLSTableSupported(void);
}
