// Which kind of drawing object a handle names, as GetCurrentObject counts them.
#pragma once

#include <wingdi.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

// OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN or OBJ_FONT; 0 for anything else.
UINT SelectableKind(const GdiObject& object);

}  // namespace platform::gdi
