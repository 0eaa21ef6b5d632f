// COM's state on the device: what it loaded, the classes tests added and the
// initialisation count all go when the device closes.
#pragma once

namespace platform::com {

void CloseCom();

}  // namespace platform::com
