// Registry calls that the driver makes fail, as a damaged or full store
// would make them fail on the device, so that a test can see what the code
// under test does then.
#pragma once

#include <string>

#include <windef.h>

namespace device {

// Until the device closes, every call of FUNCTION ("RegDeleteKeyW") on KEY,
// spelled as the call log spells it ("HKLM", "HKCU\SOFTWARE\Tarvex\Lexovia"),
// naming NAME (the subkey or value; empty for none) changes nothing and
// answers ERROR. Key and name compare without regard to case. The call is
// recorded with that result like any other.
void FailRegistryCall(const std::string& function, const std::u16string& key, const std::u16string& name,
                      LONG error);

}  // namespace device
