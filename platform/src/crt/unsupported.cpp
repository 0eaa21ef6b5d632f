#include "unsupported.h"

#include <string>

#include <device/faults.h>
#include <device/text.h>

namespace platform::crt {

void ReportUnsupportedConversion(const char* function, WCHAR type, const WCHAR* format) noexcept
{
    try {
        device::ReportFault(std::string(function) + ": the simulated runtime has no conversion %" +
                            device::Utf8(std::u16string(1, type)) + " (format \"" + device::Utf8(format) + "\")");
    } catch (...) {
        // Out of memory: the failed call still tells its caller.
    }
}

}  // namespace platform::crt
