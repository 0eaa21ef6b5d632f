#include "char_class.h"

namespace platform::crt {

bool IsWideSpace(WCHAR c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int DigitValue(WCHAR c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9') value = c - u'0';
    else if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
    return value < base ? value : -1;
}

}  // namespace platform::crt
