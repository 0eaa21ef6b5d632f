// Whether the package's keyboard is enabled: "KbdEnabled" of the product key.
#pragma once

#include <windows.h>

// TRUE only when the value holds exactly 1 as a 32-bit number; a missing
// key or value, or one of another size, reads as not enabled.
BOOL IsKeyboardEnabled();
