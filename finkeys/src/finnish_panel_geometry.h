// Where the Finnish panel's keys lie, what they send under Ctrl, which keys
// are the modifiers and which command keys are drawn from bitmaps.
#pragma once

#include "keyboard_panel.h"

class FinnishPanelGeometry : public KeyboardPanel {
public:
    bool SameKey(int a, int b) override;
    int KeyCount() override;
    void KeyRect(RECT* rect, int key) override;
    BYTE KeyVirtualCode(int key) override;
    bool IsCapsKey(int key) override;
    bool IsShiftKey(int key) override;
    bool IsAltKey(int key) override;
    bool IsCtrlKey(int key) override;
    UINT CommandBitmap(int key, bool shift, bool alt, bool caps, bool ctrl) override;
};
