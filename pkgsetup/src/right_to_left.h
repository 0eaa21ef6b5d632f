// The package languages written right to left, which bring their own fonts
// and national-language table.
#pragma once

#include <windows.h>

// Whether LCID is Arabic (1025), Hebrew (1037) or Farsi (1065).
bool IsRightToLeftLanguage(DWORD lcid);
