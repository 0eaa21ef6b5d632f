// Reading and writing single values of an open key. Each function answers
// the registry call's result code; a read leaves the default in place unless
// the value exists with the expected type.
#pragma once

#include <windows.h>

#include "owned_string.h"

LONG ReadRegDword(HKEY key, LPCWSTR name, DWORD& out, DWORD defaultValue);
LONG ReadRegBool(HKEY key, LPCWSTR name, bool& out, bool defaultValue);
// The number read as signed, or the default.
LONG ReadRegLong(HKEY key, LPCWSTR name, LONG defaultValue);
LONG WriteRegDword(HKEY key, LPCWSTR name, DWORD value);
LONG WriteRegBool(HKEY key, LPCWSTR name, bool value);
LONG ReadRegString(HKEY key, LPCWSTR name, OwnedString& str, LPCWSTR defaultValue);
LONG WriteRegString(HKEY key, LPCWSTR name, LPCWSTR str);
