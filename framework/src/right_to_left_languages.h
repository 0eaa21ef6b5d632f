// The interface languages written from right to left, whose dialogs are mirrored.
#pragma once

#include <windows.h>

// Arabic (1025), Hebrew (1037) and Persian (1065).
bool IsRightToLeftLanguage(LCID language);
