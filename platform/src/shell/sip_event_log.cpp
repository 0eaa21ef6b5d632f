#include "shell/sip_event_log.h"

#include <device/bounded_log.h>

#include <device/clock.h>

namespace {

device::BoundedLog<device::SipEvent> events;

}  // namespace

namespace platform::shell {

void RecordSipEvent(device::SipEvent::Kind kind, const CLSID& clsid) { events.Add({device::Now(), kind, clsid}); }

}  // namespace platform::shell

namespace device {

const std::vector<SipEvent>& SipEventLog() { return events.Entries(); }

size_t SipEventLogDropped() { return events.Dropped(); }

void ClearSipEventLog() { events.Clear(); }

}  // namespace device
