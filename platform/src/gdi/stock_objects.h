// The platform's stock objects: fixed handles that live as long as the
// process, numbered apart from pointers and from other handles so that a
// mix-up shows. Deleting one does nothing.
#pragma once

#include <wingdi.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

// Null when HANDLE is no stock object.
GdiObject* StockObject(HGDIOBJ handle);

// GetStockObject's answer; null for an index that names none.
HGDIOBJ StockHandle(int index);

// The 1 x 1 monochrome bitmap a new memory context holds.
HGDIOBJ DefaultBitmap();

}  // namespace platform::gdi
