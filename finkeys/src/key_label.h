// A key's label as text of bounded length.
#pragma once

#include <windows.h>

// Copies LABEL into TEXT, which holds SIZE characters: at most SIZE - 1 of
// them and a terminator; a null label gives an empty text.
void CopyLabel(LPCWSTR label, WCHAR* text, int size);
