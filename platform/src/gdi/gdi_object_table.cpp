#include "gdi/gdi_object_table.h"

#include "gdi/stock_objects.h"

namespace platform::gdi {

GdiObjectTable& GdiObjects()
{
    static GdiObjectTable objects(0x40000000, 4);
    return objects;
}

GdiObject* FindGdiObject(HGDIOBJ handle)
{
    GdiObject* stock = StockObject(handle);
    return stock ? stock : GdiObjects().Find(handle);
}

}  // namespace platform::gdi
