// One window's state. Windows form a tree: a WS_CHILD window lives in its
// parent's client area; every other window is top-level, placed on the
// screen, and may have an owner that takes it along when destroyed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <winuser.h>

namespace platform::user {

struct Window {
    HWND handle;
    ATOM classAtom;                // the class stays registered while the window lives
    std::u16string className;      // as registered, for the message log
    WNDPROC procedure;             // the class's, or the one a subclass set
    HWND parent = nullptr;         // WS_CHILD windows only
    HWND owner = nullptr;          // top-level windows only; always a top-level window
    std::vector<HWND> children{};  // in creation order: the last created is on top
    DWORD style;
    DWORD exStyle;
    LONG_PTR userData = 0;
    LONG_PTR id;  // GWL_ID: the hMenu argument of a child
    RECT rect;    // in the parent's client coordinates (screen for top-level)
    std::u16string text;
    std::vector<BYTE> extraBytes;  // the class's cbWndExtra, zeroed
    bool destroying = false;       // WM_DESTROY is on its way; the handle is still good until it is done
    RECT update{};                 // client area awaiting WM_PAINT: the bounding rectangle of what was invalidated
    bool eraseUpdate = false;      // an invalidation asked for the background to be erased
    std::shared_ptr<void> classState{};  // a platform class's private record (dialog, control); goes with the window
};

}  // namespace platform::user
