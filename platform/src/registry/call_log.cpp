#include "registry/call_log.h"

#include <utility>

namespace {

std::vector<device::RegistryCall> calls;

}  // namespace

namespace platform::registry {

void RecordCall(device::RegistryCall call) { calls.push_back(std::move(call)); }

}  // namespace platform::registry

namespace device {

const std::vector<RegistryCall>& RegistryCalls() { return calls; }

void ClearRegistryCalls() { calls.clear(); }

}  // namespace device
