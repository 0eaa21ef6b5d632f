// The current input method as the platform keeps it across restarts:
// HKEY_CURRENT_USER\ControlPanel\Sip, value "DefaultIm", the class
// identifier as text.
#pragma once

#include <guiddef.h>

namespace platform::shell {

// The stored class, or the platform keyboard when none is stored or the
// text is not a class identifier.
CLSID ReadDefaultInputMethod();
void WriteDefaultInputMethod(const CLSID& clsid);

}  // namespace platform::shell
