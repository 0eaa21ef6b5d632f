// The input panel, the focused application and COM belong to the device:
// they go when it closes.
#pragma once

namespace platform::shell {

void CloseInputServices();

}  // namespace platform::shell
