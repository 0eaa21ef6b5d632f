#include "user/dispatch.h"

#include "user/message_recording.h"
#include "user/user_state.h"

namespace platform::user {

// The copy of WINDOW is the point: it keeps the record alive.
LRESULT Deliver(std::shared_ptr<Window> window,  // NOLINT(performance-unnecessary-value-param)
                UINT message, WPARAM wParam, LPARAM lParam)
{
    RecordMessage({window->handle, message, wParam, lParam, window->className});
    WNDPROC procedure = window->procedure;
    return procedure ? procedure(window->handle, message, wParam, lParam) : 0;
}

bool Notify(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return false;
    Deliver(window, message, wParam, lParam);
    return Windows().Find(handle) != nullptr;
}

}  // namespace platform::user
