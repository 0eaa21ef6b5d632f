// National-language support.
#pragma once

#include "winbase.h"

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
