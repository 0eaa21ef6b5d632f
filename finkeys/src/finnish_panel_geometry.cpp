#include "finnish_panel_geometry.h"

#include "command_bitmaps.h"
#include "panel_layout.h"

bool FinnishPanelGeometry::SameKey(int a, int b) { return ::SameKey(kFinnishLayout, a, b); }

int FinnishPanelGeometry::KeyCount() { return kKeyCount; }

void FinnishPanelGeometry::KeyRect(RECT* rect, int key) { ::KeyRect(kFinnishLayout, rect, key); }

BYTE FinnishPanelGeometry::KeyVirtualCode(int key) { return ::KeyVirtualCode(kFinnishLayout, key); }

bool FinnishPanelGeometry::IsCapsKey(int key) { return ::IsCapsKey(kFinnishLayout, key); }

bool FinnishPanelGeometry::IsShiftKey(int key) { return ::IsShiftKey(kFinnishLayout, key); }

bool FinnishPanelGeometry::IsAltKey(int key) { return ::IsAltKey(kFinnishLayout, key); }

bool FinnishPanelGeometry::IsCtrlKey(int key) { return ::IsCtrlKey(kFinnishLayout, key); }

// Key 13 follows the panel's own latched Shift and Caps, not the arguments.
UINT FinnishPanelGeometry::CommandBitmap(int key, bool, bool, bool, bool)
{
    if (key == 51) return kEnterBitmap;
    if (key == 56) return kAltBitmap;
    return SharedCommandBitmap(key, ShiftOn() == CapsOn());
}
