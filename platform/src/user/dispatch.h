// Hands a message to a window's procedure and logs it on the way.
#pragma once

#include <memory>

#include "user/window.h"

namespace platform::user {

// Holds the record until the procedure returns, so a procedure that destroys
// its own window goes on running on a live record.
LRESULT Deliver(std::shared_ptr<Window> window, UINT message, WPARAM wParam, LPARAM lParam);

// Delivers a message whose result does not matter; false when the window is
// gone afterwards (or was gone already), so the caller stops there.
bool Notify(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::user
