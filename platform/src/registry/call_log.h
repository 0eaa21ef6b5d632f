// Recording registry calls for the device's call log.
#pragma once

#include <device/registry_calls.h>

namespace platform::registry {

void RecordCall(device::RegistryCall call);

}  // namespace platform::registry
