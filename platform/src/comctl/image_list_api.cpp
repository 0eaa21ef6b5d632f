#include <commctrl.h>

#include "comctl/image_list_table.h"
#include "gdi/gdi_object_table.h"
#include "kernel/api_guard.h"

namespace {

platform::comctl::ImageList* ListOrFail(HIMAGELIST himl)
{
    platform::comctl::ImageList* list = platform::comctl::ImageLists().Find(himl);
    if (!list) SetLastError(ERROR_INVALID_HANDLE);
    return list;
}

// CLR_DEFAULT takes the colour of the strip's top-left pixel.
COLORREF MaskColourFor(COLORREF asked, const platform::gdi::Bitmap& strip)
{
    return asked == CLR_DEFAULT ? strip.Pixel(0, 0) : asked;
}

}  // namespace

// Only bitmaps are loaded; the strip's height is the images' height.
HIMAGELIST WINAPI ImageList_LoadImageW(HINSTANCE hi, LPCWSTR lpbmp, int cx, int cGrow, COLORREF crMask, UINT uType,
                                       UINT)
{
    if (uType != IMAGE_BITMAP || cx <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HBITMAP loaded = LoadBitmapW(hi, lpbmp);
    if (!loaded) return nullptr;
    HIMAGELIST list = platform::kernel::Guarded(HIMAGELIST{}, [&] {
        const auto& strip = *platform::gdi::FindObjectOf<platform::gdi::Bitmap>(loaded);
        auto cut = std::make_unique<platform::comctl::ImageList>(cx, strip.Height(), MaskColourFor(crMask, strip),
                                                                 cGrow);
        cut->AddStrip(strip);
        return platform::comctl::ImageLists().Add(std::move(cut));
    });
    DeleteObject(loaded);
    return list;
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl)
{
    if (platform::comctl::ImageLists().Remove(himl)) return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

int WINAPI ImageList_GetImageCount(HIMAGELIST himl)
{
    const platform::comctl::ImageList* list = ListOrFail(himl);
    return list ? static_cast<int>(list->Images().size()) : 0;
}

BOOL WINAPI ImageList_GetImageSize(HIMAGELIST himl, int* cx, int* cy)
{
    const platform::comctl::ImageList* list = ListOrFail(himl);
    if (!list || !cx || !cy) return FALSE;
    *cx = list->ImageWidth();
    *cy = list->ImageHeight();
    return TRUE;
}
