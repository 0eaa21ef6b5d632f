// Character classes the runtime's parsers share.
#pragma once

#include <windef.h>

namespace platform::crt {

// Space, tab, line feed, vertical tab, form feed and carriage return.
bool IsWideSpace(WCHAR c);

// The value of C as a digit of BASE (10 or 16, either case), or -1.
int DigitValue(WCHAR c, int base);

}  // namespace platform::crt
