#include "english_panel_geometry.h"

#include "command_bitmaps.h"
#include "panel_layout.h"

bool EnglishPanelGeometry::SameKey(int a, int b) { return ::SameKey(kEnglishLayout, a, b); }

int EnglishPanelGeometry::KeyCount() { return kKeyCount; }

void EnglishPanelGeometry::KeyRect(RECT* rect, int key) { ::KeyRect(kEnglishLayout, rect, key); }

BYTE EnglishPanelGeometry::KeyVirtualCode(int key) { return ::KeyVirtualCode(kEnglishLayout, key); }

bool EnglishPanelGeometry::IsCapsKey(int key) { return ::IsCapsKey(kEnglishLayout, key); }

bool EnglishPanelGeometry::IsShiftKey(int key) { return ::IsShiftKey(kEnglishLayout, key); }

bool EnglishPanelGeometry::IsAltKey(int key) { return ::IsAltKey(kEnglishLayout, key); }

bool EnglishPanelGeometry::IsCtrlKey(int key) { return ::IsCtrlKey(kEnglishLayout, key); }

UINT EnglishPanelGeometry::CommandBitmap(int key, bool shift, bool, bool caps, bool)
{
    if (key == 39) return kEnterUpperBitmap;
    if (key == 51) return kEnterLowerBitmap;
    return SharedCommandBitmap(key, shift == caps);
}
