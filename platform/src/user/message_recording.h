// Where the dispatcher writes the message log.
#pragma once

#include <device/message_log.h>

namespace platform::user {

void RecordMessage(device::MessageRecord record);

}  // namespace platform::user
