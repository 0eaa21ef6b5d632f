// One conversion of a format string, as read from "%[flags][width][.precision][size]type".
#pragma once

#include <windef.h>

namespace platform::crt {

enum class SizePrefix {
    None,
    Short,  // h: 16-bit numbers, 8-bit characters and strings
    Long,   // l or w: the platform's 32-bit long, wide characters and strings
};

struct Conversion {
    bool leftAlign = false;  // '-': pad on the right
    bool zeroPad = false;    // '0': pad with zeros rather than spaces
    bool plusSign = false;   // '+': a sign on positive numbers too
    bool spaceSign = false;  // ' ': a space where a positive number has no sign
    bool alternate = false;  // '#': 0x or 0X before a hexadecimal number
    int width = 0;           // the least number of code units of the field
    int precision = -1;      // digits at least (numbers) or code units at most (strings); -1: none given
    SizePrefix size = SizePrefix::None;
    WCHAR type = 0;          // 0: the format ended inside the conversion
};

}  // namespace platform::crt
