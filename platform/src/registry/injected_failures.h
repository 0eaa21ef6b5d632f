// The registry failures the driver asked for (device/registry_failures.h).
#pragma once

#include <optional>
#include <string>

#include <windef.h>

namespace platform::registry {

// The error a call of FUNCTION on the key at PATH naming NAME is to fail
// with, if the driver asked for one.
std::optional<LONG> InjectedFailure(const char* function, const std::u16string& path, const std::u16string& name);

void ClearInjectedFailures();

}  // namespace platform::registry
