#include "registry/call_log.h"

#include <device/bounded_log.h>

#include <utility>

namespace {

device::BoundedLog<device::RegistryCall> calls;

}  // namespace

namespace platform::registry {

void RecordCall(device::RegistryCall call) { calls.Add(std::move(call)); }

}  // namespace platform::registry

namespace device {

const std::vector<RegistryCall>& RegistryCalls() { return calls.Entries(); }

size_t RegistryCallsDropped() { return calls.Dropped(); }

void ClearRegistryCalls() { calls.Clear(); }

}  // namespace device
