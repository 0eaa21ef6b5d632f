#include "panel_layout.h"

#include "key_planes.h"

namespace {

bool OnPanel(int key) { return key >= 0 && key < kKeyCount; }

bool IsModifier(int modifierKey, int key) { return modifierKey != kNoKey && key == modifierKey; }

}  // namespace

void KeyRect(const PanelLayout& layout, RECT* rect, int key)
{
    *rect = OnPanel(key) ? layout.geometry->rects[key] : RECT{0, 0, 0, 0};
}

BYTE KeyVirtualCode(const PanelLayout& layout, int key)
{
    return OnPanel(key) ? layout.geometry->virtualKeys[key] : 0;
}

const KeyDef* GetKeyDef(const PanelLayout& layout, int key, bool shift, bool alt, bool caps)
{
    if (!OnPanel(key)) return &kUnusedKey;
    return &layout.planes[PlaneIndex(shift, alt, caps) * kKeyCount + key];
}

bool IsCapsKey(const PanelLayout& layout, int key) { return IsModifier(layout.capsKey, key); }
bool IsShiftKey(const PanelLayout& layout, int key) { return IsModifier(layout.shiftKey, key); }
bool IsAltKey(const PanelLayout& layout, int key) { return IsModifier(layout.altKey, key); }
bool IsCtrlKey(const PanelLayout& layout, int key) { return IsModifier(layout.ctrlKey, key); }

bool SameKey(const PanelLayout& layout, int a, int b)
{
    if (a == b) return true;
    for (int i = 0; i < layout.sameKeyPairCount; ++i) {
        const KeyPair& pair = layout.sameKeyPairs[i];
        if ((pair.a == a && pair.b == b) || (pair.a == b && pair.b == a)) return true;
    }
    return false;
}
