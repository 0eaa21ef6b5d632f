#include "gdi/object_kind.h"

#include "gdi/bitmap.h"
#include "gdi/brush.h"
#include "gdi/font.h"
#include "gdi/pen.h"

namespace platform::gdi {

UINT SelectableKind(const GdiObject& object)
{
    if (dynamic_cast<const Bitmap*>(&object)) return OBJ_BITMAP;
    if (dynamic_cast<const Brush*>(&object)) return OBJ_BRUSH;
    if (dynamic_cast<const Pen*>(&object)) return OBJ_PEN;
    if (dynamic_cast<const Font*>(&object)) return OBJ_FONT;
    return 0;
}

}  // namespace platform::gdi
