// National-language support.
#pragma once

#include "winbase.h"

// TRUE when the national-language table in \Windows\wince.nls is one this
// platform supports (the table's form is described in platform/README.md).
// FALSE otherwise, with GetLastError: ERROR_FILE_NOT_FOUND (no table),
// ERROR_BAD_FORMAT (not a national-language table), ERROR_NOT_SUPPORTED (a
// table of a version the platform does not support), or the file error
// that stopped the read.
WINBASEAPI BOOL WINAPI IsNLSTableSupported(void);

typedef DWORD LCTYPE;

// The language's three-letter abbreviation (ENU, FIN, RUS, ...).
#define LOCALE_SABBREVLANGNAME 0x00000003

// Copies the item and its terminator into lpLCData and answers the characters
// copied; with cchData 0, answers the characters needed and copies nothing.
// 0 on failure: ERROR_INSUFFICIENT_BUFFER (too small a buffer),
// ERROR_INVALID_PARAMETER (a locale the device does not know, no buffer),
// ERROR_INVALID_FLAGS (an item it does not supply). The device supplies
// LOCALE_SABBREVLANGNAME only.
WINBASEAPI int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData);
