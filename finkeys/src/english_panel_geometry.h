// Where the English panel's keys lie: the Finnish grid with an L-shaped Enter
// key and a wide space bar, each made of two rectangles, and no Alt key.
#pragma once

#include "keyboard_panel.h"

class EnglishPanelGeometry : public KeyboardPanel {
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
