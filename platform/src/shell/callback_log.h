// The record of every call made on the input panel's IIMCallback.
#pragma once

#include <device/sip.h>

namespace platform::shell {

void RecordCallback(device::CallbackRecord record);

}  // namespace platform::shell
