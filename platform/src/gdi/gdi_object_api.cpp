#include <wingdi.h>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"
#include "gdi/object_kind.h"
#include "gdi/stock_objects.h"

namespace {

using namespace platform::gdi;

// A bitmap is drawn on through one memory context at a time; a window's
// context draws on the window instead.
bool MaySelectBitmap(const DeviceContext& context, HGDIOBJ bitmap, const GdiObject& object)
{
    if (context.Kind() != ContextKind::Memory) return false;
    return context.Selected(OBJ_BITMAP) == bitmap || object.Selections() == 0 || StockObject(bitmap);
}

}  // namespace

// A device context is deleted with DeleteDC or given back, never here; an
// object still selected into a context stays, as on the platform.
BOOL WINAPI DeleteObject(HGDIOBJ hObject)
{
    if (StockObject(hObject)) return TRUE;
    GdiObject* object = GdiObjects().Find(hObject);
    if (!object || dynamic_cast<DeviceContext*>(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->Selections() > 0) {
        SetLastError(ERROR_BUSY);
        return FALSE;
    }
    return GdiObjects().Remove(hObject);
}

int WINAPI GetObjectW(HGDIOBJ hgdiobj, int cbBuffer, LPVOID lpvObject)
{
    const GdiObject* object = FindObjectOrFail<GdiObject>(hgdiobj);
    return object ? object->Describe(cbBuffer, lpvObject) : 0;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ hgdiobj)
{
    DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return nullptr;
    const GdiObject* object = FindGdiObject(hgdiobj);
    UINT kind = object ? SelectableKind(*object) : 0;
    if (!kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (kind == OBJ_BITMAP && !MaySelectBitmap(*context, hgdiobj, *object)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return context->Select(kind, hgdiobj);
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT uObjectType)
{
    const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return nullptr;
    HGDIOBJ selected = context->Selected(uObjectType);
    if (!selected) SetLastError(ERROR_INVALID_PARAMETER);
    return selected;
}
