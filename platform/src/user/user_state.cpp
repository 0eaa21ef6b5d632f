#include "user/user_state.h"

#include <device/message_log.h>

namespace {

platform::user::ClassRegistry classes;
platform::user::WindowTable windows;

}  // namespace

namespace platform::user {

ClassRegistry& Classes() { return classes; }

WindowTable& Windows() { return windows; }

void Reset()
{
    windows.Clear();
    classes.Clear();
    device::ClearMessageLog();
}

}  // namespace platform::user
