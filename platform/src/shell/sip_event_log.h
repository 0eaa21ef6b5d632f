// The record of what the input panel did, for the driver.
#pragma once

#include <device/sip.h>

namespace platform::shell {

void RecordSipEvent(device::SipEvent::Kind kind, const CLSID& clsid);

}  // namespace platform::shell
