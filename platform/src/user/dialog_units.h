// Dialog units: a quarter of the dialog font's average character width
// across, an eighth of its height down.
#pragma once

#include <windef.h>

namespace platform::user {

struct DialogBaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

// The base units of FONT, measured as the platform does: the width of the
// 52 letters A-Z a-z, averaged and rounded, and the font's height.
DialogBaseUnits BaseUnitsOf(HFONT font);

// The one conversion from dialog units to pixels.
RECT DialogUnitsToPixels(const RECT& units, DialogBaseUnits base);

}  // namespace platform::user
