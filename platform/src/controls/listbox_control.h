// What the user's hand needs of a list box.
#pragma once

#include <optional>

#include <windows.h>

#include "controls/list_view.h"

namespace platform::controls {

// Where the user taps (client coordinates) to get to row INDEX: the row when
// it is in view, else the scroll arrow toward it; nothing when it cannot be reached.
std::optional<ListTap> ListBoxTapToward(HWND list, int index);

}  // namespace platform::controls
