// A registered window class.
#pragma once

#include <string>

#include <winuser.h>

namespace platform::user {

struct WindowClass {
    ATOM atom;
    std::u16string name;  // as the first registration spelled it
    UINT style;
    WNDPROC procedure;
    int windowExtraBytes;  // cbWndExtra: each window's GetWindowLong slots from index 0
    HINSTANCE instance;
    HBRUSH background;
    int windowCount = 0;  // a class with windows cannot be unregistered
};

}  // namespace platform::user
