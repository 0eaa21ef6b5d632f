// The Finnish keyboard panel: its label and its key definitions.
#pragma once

#include "finnish_panel_geometry.h"

class FinnishPanel final : public FinnishPanelGeometry {
public:
    LPCWSTR PanelLabel() override;
    const KeyDef* GetKeyDef(int key, bool shift, bool alt, bool caps) override;
};
