// SendMessageW to HWND_BROADCAST.
#pragma once

#include <windef.h>

namespace platform::user {

// Sends the message to every top-level window there is when it is sent
// (children hear nothing) and records it; the result is 1, as on the
// platform, whatever the windows answer.
LRESULT Broadcast(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::user
