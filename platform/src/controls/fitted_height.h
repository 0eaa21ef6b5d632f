// Some controls show a height that follows from the height they are given
// and their font, as on the platform: a list box its whole rows, a combo box
// one row (its dropped list takes the rest).
#pragma once

#include <optional>

#include <windows.h>

namespace platform::controls {

// The height CONTROL shows for a height GIVEN, in its font now.
using HeightFit = int (*)(HWND control, int given);

// The messages through which such a control keeps its height: WM_CREATE and
// WM_WINDOWPOSCHANGING give it a height (GIVEN), WM_SETFONT a font (FONT) to
// fit it with. A height that is not the fitted one comes from outside and
// is the new given height. Nothing for any other message.
std::optional<LRESULT> KeepFittedHeight(HWND control, UINT message, WPARAM wParam, LPARAM lParam, int& given,
                                        HFONT& font, HeightFit fit);

}  // namespace platform::controls
