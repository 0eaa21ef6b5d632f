// WM_SIZE and WM_MOVE describe the window as it stands when they are sent.
// Each answers whether the window outlived the message.
#pragma once

#include <windef.h>

namespace platform::user {

bool SendSizeMessage(HWND handle);
bool SendMoveMessage(HWND handle);

}  // namespace platform::user
