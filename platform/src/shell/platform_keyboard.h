// The platform's own keyboard input method, the one a fresh device starts
// with: a panel of 240 x 80 at the bottom of the input area that draws a
// plain keyboard. It types nothing; it is there to be made current, shown,
// hidden and deselected.
#pragma once

#include "shell/panel_input_method.h"

namespace platform::shell {

// Where its panel sits on the screen.
extern const RECT kPlatformKeyboardPanel;

HRESULT CreatePlatformKeyboard(IUnknown* outer, REFIID riid, void** ppv);

class PlatformKeyboard final : public PanelInputMethod {
public:
    PlatformKeyboard();
};

}  // namespace platform::shell
