// The key under HKEY_CURRENT_USER that holds an input method's settings.
#pragma once

#include <windows.h>

// Opens PATH, creating it when missing; null when it cannot be opened.
HKEY OpenProductKey(LPCWSTR path);
