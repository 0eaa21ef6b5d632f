#include "gdi/selected_face.h"

#include "gdi/font.h"
#include "gdi/gdi_object_table.h"

namespace platform::gdi {

TypeFace* SelectedFace(const DeviceContext& context)
{
    const Font* font = FindObjectOf<Font>(context.Selected(OBJ_FONT));
    TypeFace* face = font ? font->Face() : nullptr;
    if (!face) SetLastError(ERROR_FILE_NOT_FOUND);
    return face;
}

}  // namespace platform::gdi
