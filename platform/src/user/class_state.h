// The private record a platform window class (the dialog, each control) keeps
// with each of its windows. It lives as long as the window record, so a device
// that forgets its windows without messages forgets these too.
#pragma once

#include <memory>

#include "user/user_state.h"

namespace platform::user {

// The window's record of type State, made on first use; null for a window that is gone.
template <class State>
State* ClassState(HWND handle)
{
    std::shared_ptr<Window> window = Windows().Find(handle);
    if (!window) return nullptr;
    if (!window->classState) window->classState = std::make_shared<State>();
    return static_cast<State*>(window->classState.get());
}

}  // namespace platform::user
