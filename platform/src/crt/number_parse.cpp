// Decimal text to number: leading white space, an optional sign, then digits
// up to the first non-digit; no digits give 0. The platform's long is 32 bits:
// a value beyond its range gives LONG_MAX or LONG_MIN of the platform, with
// errno ERANGE, as the runtime documents for overflow.
#include <cerrno>
#include <algorithm>
#include <cstdint>

#include <crtwide.h>

#include "char_class.h"

namespace {

int32_t ParseDecimal(const WCHAR* s)
{
    if (!s) {
        errno = EINVAL;
        return 0;
    }
    while (platform::crt::IsWideSpace(*s)) ++s;
    bool negative = *s == u'-';
    if (*s == u'-' || *s == u'+') ++s;

    // Past this the magnitude fits neither sign; it stops growing there.
    constexpr int64_t kOutOfRange = int64_t{INT32_MAX} + 2;
    int64_t magnitude = 0;
    for (int digit; (digit = platform::crt::DigitValue(*s, 10)) >= 0; ++s) {
        magnitude = std::min(magnitude * 10 + digit, kOutOfRange);
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) {
        errno = ERANGE;
        return negative ? INT32_MIN : INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

long _wtol(const WCHAR* s) { return ParseDecimal(s); }

int _wtoi(const WCHAR* s) { return ParseDecimal(s); }
