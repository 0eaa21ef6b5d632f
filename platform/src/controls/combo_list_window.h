// What the user's hand needs of a combo box's dropped list.
#pragma once

#include <optional>

#include <windows.h>

#include "controls/list_view.h"

namespace platform::controls {

// Where the user taps (the list's client coordinates) to get to row INDEX:
// the row when it is in view, else the scroll arrow toward it; nothing when
// it cannot be reached.
std::optional<ListTap> ComboListTapToward(HWND list, int index);

}  // namespace platform::controls
