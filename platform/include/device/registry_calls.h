// The registry calls made on the device, in order, so that a test can check
// what was asked of the registry: that a key was flushed after it was
// written, that a value was never written, ...
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace device {

struct RegistryCall {
    std::string function;  // "RegSetValueExW"
    std::u16string key;    // the key called on, as opened from its root ("HKCU\Software\Tarvex"); empty if not open
    std::u16string name;   // the subkey or value name given; empty for none
    LONG result;
};

// The calls since the device was opened, its factory state written.
const std::vector<RegistryCall>& RegistryCalls();
size_t RegistryCallsDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearRegistryCalls();

}  // namespace device
