// Conversions that the platform's runtime has but this one does not: the
// call fails, and a device fault names the conversion so that a test sees it.
#pragma once

#include <windef.h>

namespace platform::crt {

void ReportUnsupportedConversion(const char* function, WCHAR type, const WCHAR* format) noexcept;

}  // namespace platform::crt
