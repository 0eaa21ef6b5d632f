#include "shell/sip_event_log.h"

#include <device/clock.h>

namespace {

std::vector<device::SipEvent> events;

}  // namespace

namespace platform::shell {

void RecordSipEvent(device::SipEvent::Kind kind, const CLSID& clsid) { events.push_back({device::Now(), kind, clsid}); }

}  // namespace platform::shell

namespace device {

const std::vector<SipEvent>& SipEventLog() { return events; }

void ClearSipEventLog() { events.clear(); }

}  // namespace device
