#include <device/message_log.h>

#include <device/bounded_log.h>

#include "user/message_recording.h"

namespace {

device::BoundedLog<device::MessageRecord> messages;

}  // namespace

namespace platform::user {

void RecordMessage(device::MessageRecord record) { messages.Add(std::move(record)); }

}  // namespace platform::user

namespace device {

const std::vector<MessageRecord>& MessageLog() { return messages.Entries(); }

size_t MessageLogDropped() { return messages.Dropped(); }

void ClearMessageLog() { messages.Clear(); }

}  // namespace device
