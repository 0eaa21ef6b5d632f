#include "user/broadcast.h"

#include <device/bounded_log.h>

#include <device/broadcasts.h>
#include <device/clock.h>

#include "user/dispatch.h"
#include "user/user_state.h"

namespace {

device::BoundedLog<device::BroadcastRecord> broadcasts;

}  // namespace

namespace platform::user {

// A window that one before it destroys is passed over; one created while the
// message goes round does not hear it.
LRESULT Broadcast(UINT message, WPARAM wParam, LPARAM lParam)
{
    broadcasts.Add({device::Now(), message, wParam, lParam});
    std::vector<HWND> recipients = Windows().TopLevel();
    for (HWND handle : recipients) Notify(handle, message, wParam, lParam);
    return 1;
}

}  // namespace platform::user

namespace device {

const std::vector<BroadcastRecord>& BroadcastLog() { return broadcasts.Entries(); }

size_t BroadcastLogDropped() { return broadcasts.Dropped(); }

void ClearBroadcastLog() { broadcasts.Clear(); }

}  // namespace device
