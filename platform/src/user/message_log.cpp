#include <device/message_log.h>

#include "user/message_recording.h"

namespace {

std::vector<device::MessageRecord> messages;

}  // namespace

namespace platform::user {

void RecordMessage(device::MessageRecord record) { messages.push_back(std::move(record)); }

}  // namespace platform::user

namespace device {

const std::vector<MessageRecord>& MessageLog() { return messages; }

void ClearMessageLog() { messages.clear(); }

}  // namespace device
