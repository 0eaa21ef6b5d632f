// The cursor the device shows, as the driver sees it.
#pragma once

#include <string>

namespace device {

// The system cursor SetCursor last set, by its name ("IDC_WAIT"); empty for
// none, which is how every device opens and restarts.
std::string CurrentCursor();

}  // namespace device
