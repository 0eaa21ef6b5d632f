#include "user/user_state.h"

#include <device/broadcasts.h>
#include <device/message_log.h>

#include "controls/progress_record.h"
#include "controls/system_classes.h"
#include "user/dialog_modal.h"
#include "user/dialog_state.h"

namespace {

platform::user::ClassRegistry classes;
platform::user::WindowTable windows;
platform::user::InputState input;
platform::user::TimerQueue timers;

}  // namespace

namespace platform::user {

ClassRegistry& Classes() { return classes; }

WindowTable& Windows() { return windows; }

InputState& Input() { return input; }

TimerQueue& Timers() { return timers; }

std::shared_ptr<Window> FindOrFail(HWND handle)
{
    std::shared_ptr<Window> window = windows.Find(handle);
    if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

void Reset()
{
    ResetDialogs();
    ResetUserActions();
    timers.Clear();
    input = {};
    windows.Clear();
    classes.Clear();
    platform::controls::RegisterSystemClasses();
    device::ClearMessageLog();
    device::ClearBroadcastLog();
    platform::controls::ForgetProgressBars();
}

}  // namespace platform::user
