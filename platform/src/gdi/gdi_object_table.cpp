#include "gdi/gdi_object_table.h"

namespace platform::gdi {

GdiObjectTable& GdiObjects()
{
    static GdiObjectTable objects(0x40000000, 4);
    return objects;
}

}  // namespace platform::gdi
