#include "english_panel.h"

#include "panel_layout.h"

LPCWSTR EnglishPanel::PanelLabel() { return kEnglishLayout.label; }

const KeyDef* EnglishPanel::GetKeyDef(int key, bool shift, bool alt, bool caps)
{
    return ::GetKeyDef(kEnglishLayout, key, shift, alt, caps);
}
