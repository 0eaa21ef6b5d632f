#include "finnish_panel.h"

#include "panel_layout.h"

LPCWSTR FinnishPanel::PanelLabel() { return kFinnishLayout.label; }

const KeyDef* FinnishPanel::GetKeyDef(int key, bool shift, bool alt, bool caps)
{
    return ::GetKeyDef(kFinnishLayout, key, shift, alt, caps);
}
