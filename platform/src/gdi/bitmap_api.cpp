#include <wingdi.h>

#include <memory>

#include "gdi/bitmap.h"
#include "gdi/brush.h"
#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"
#include "gdi/stock_objects.h"
#include "kernel/api_guard.h"

namespace {

using namespace platform::gdi;

// Far beyond any bitmap of a 240 x 320 device; larger asks fail as the
// platform fails when memory runs out.
constexpr int kLargestSide = 4096;
constexpr int kColourBitsPerPixel = 24;

// A memory context makes bitmaps like the one it holds: monochrome while it
// holds its first, 1 x 1 monochrome one.
int BitsPerPixelFor(const DeviceContext& context)
{
    if (context.Kind() != ContextKind::Memory) return kColourBitsPerPixel;
    const Bitmap* held = FindObjectOf<Bitmap>(context.Selected(OBJ_BITMAP));
    return held && held->IsMonochrome() ? 1 : kColourBitsPerPixel;
}

}  // namespace

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int nWidth, int nHeight)
{
    const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return nullptr;
    if (nWidth < 0 || nHeight < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (nWidth == 0 || nHeight == 0) return static_cast<HBITMAP>(DefaultBitmap());
    if (nWidth > kLargestSide || nHeight > kLargestSide) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return platform::kernel::Guarded(HBITMAP{}, [&] {
        auto bitmap = std::make_unique<Bitmap>(nWidth, nHeight, BitsPerPixelFor(*context));
        return static_cast<HBITMAP>(GdiObjects().Add(std::move(bitmap)));
    });
}

HBRUSH WINAPI CreateSolidBrush(COLORREF crColor)
{
    return platform::kernel::Guarded(HBRUSH{}, [&] {
        return static_cast<HBRUSH>(GdiObjects().Add(std::make_unique<Brush>(LOGBRUSH{BS_SOLID, crColor, 0})));
    });
}
