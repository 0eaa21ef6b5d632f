// WM_GETTEXT's answer, for the default procedure and the controls that keep
// their text themselves.
#pragma once

#include <string_view>

#include <winuser.h>

namespace platform::user {

// Copies TEXT into the buffer lParam points at, whose size in characters
// (the terminator included) is wParam; answers the count copied, cutting the
// text to fit as the platform does.
LRESULT CopyText(std::u16string_view text, WPARAM wParam, LPARAM lParam);

}  // namespace platform::user
