// What the user's hand needs of an edit control.
#pragma once

#include <optional>

#include <windows.h>

namespace platform::controls {

// Where a tap puts the caret after the text (client coordinates): just past
// its last character, or at the field's right end when the text fills it;
// nothing for a window that is not an edit control.
std::optional<POINT> EditEndPoint(HWND edit);

}  // namespace platform::controls
