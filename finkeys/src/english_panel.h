// The English keyboard panel: its label and its key definitions.
#pragma once

#include "english_panel_geometry.h"

class EnglishPanel final : public EnglishPanelGeometry {
public:
    LPCWSTR PanelLabel() override;
    const KeyDef* GetKeyDef(int key, bool shift, bool alt, bool caps) override;
};
