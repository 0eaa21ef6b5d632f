#include "gdi/device_context.h"

#include "gdi/bitmap.h"
#include "gdi/gdi_object_table.h"
#include "gdi/stock_objects.h"

namespace platform::gdi {

namespace {

void CountSelection(HGDIOBJ handle)
{
    if (GdiObject* object = FindGdiObject(handle)) object->AddSelection();
}

// Gone already when the device closes: the table empties before its objects go.
void UncountSelection(HGDIOBJ handle)
{
    if (GdiObject* object = FindGdiObject(handle)) object->DropSelection();
}

}  // namespace

DeviceContext::DeviceContext() : DeviceContext(ContextKind::Memory, nullptr, {}) {}

DeviceContext::DeviceContext(ContextKind kind, HWND window, WindowCanvas place)
    : kind_(kind),
      window_(window),
      place_(std::move(place)),
      selected_{DefaultBitmap(), StockHandle(WHITE_BRUSH), StockHandle(BLACK_PEN), StockHandle(SYSTEM_FONT)}
{
}

DeviceContext::~DeviceContext()
{
    for (HGDIOBJ held : selected_) UncountSelection(held);
}

int DeviceContext::SlotOf(UINT objectType)
{
    switch (objectType) {
    case OBJ_BITMAP: return 0;
    case OBJ_BRUSH: return 1;
    case OBJ_PEN: return 2;
    case OBJ_FONT: return 3;
    default: return -1;
    }
}

HGDIOBJ DeviceContext::Selected(UINT objectType) const
{
    int slot = SlotOf(objectType);
    return slot < 0 ? nullptr : selected_[slot];
}

HGDIOBJ DeviceContext::Select(UINT objectType, HGDIOBJ object)
{
    int slot = SlotOf(objectType);
    if (slot < 0) return nullptr;
    HGDIOBJ previous = selected_[slot];
    CountSelection(object);
    UncountSelection(previous);
    selected_[slot] = object;
    return previous;
}

Canvas DeviceContext::Target() const
{
    if (kind_ != ContextKind::Memory) {
        Canvas canvas{place_.surface.get(), place_.origin, place_.clip};
        if (canvas.surface) canvas.clip.Intersect({0, 0, canvas.surface->Width(), canvas.surface->Height()});
        return canvas;
    }
    Bitmap* bitmap = FindObjectOf<Bitmap>(selected_[0]);
    if (!bitmap) return {};
    return {bitmap, {0, 0}, ClipRegion({0, 0, bitmap->Width(), bitmap->Height()})};
}

}  // namespace platform::gdi
