#include <winuser.h>

#include "gdi/gdi_object_table.h"
#include "kernel/api_guard.h"
#include "resources/dib_decoder.h"
#include "resources/module_resource.h"

HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName)
{
    return platform::kernel::Guarded(HBITMAP{}, [&]() -> HBITMAP {
        const platform::resources::ResourceRecord* record =
            platform::resources::FindModuleResource(hInstance, lpBitmapName, RT_BITMAP);
        if (!record) return nullptr;
        platform::resources::DecodedDib decoded = platform::resources::DecodeDib(record->data);
        if (!decoded.bitmap) {
            SetLastError(ERROR_INVALID_DATA);
            return nullptr;
        }
        return static_cast<HBITMAP>(platform::gdi::GdiObjects().Add(std::move(decoded.bitmap)));
    });
}
