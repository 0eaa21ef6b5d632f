#include "gdi/stock_objects.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

#include "gdi/bitmap.h"
#include "gdi/brush.h"
#include "gdi/font.h"
#include "gdi/pen.h"

namespace platform::gdi {

namespace {

const ULONG_PTR kStockHandleBase = 0x5700;
// Past every index GetStockObject knows.
const int kDefaultBitmapIndex = 31;

std::unique_ptr<GdiObject> SolidBrush(COLORREF colour) { return std::make_unique<Brush>(LOGBRUSH{BS_SOLID, colour, 0}); }

std::unique_ptr<GdiObject> SolidPen(UINT style, COLORREF colour)
{
    return std::make_unique<Pen>(LOGPEN{style, {1, 0}, colour});
}

// The face the platform draws its own texts with.
std::unique_ptr<GdiObject> SystemFont()
{
    LOGFONTW description{};
    description.lfHeight = -11;
    description.lfWeight = FW_NORMAL;
    const char16_t name[] = u"System";
    std::copy(std::begin(name), std::end(name), description.lfFaceName);
    return std::make_unique<Font>(description);
}

std::array<std::unique_ptr<GdiObject>, kDefaultBitmapIndex + 1> MakeStockObjects()
{
    std::array<std::unique_ptr<GdiObject>, kDefaultBitmapIndex + 1> objects;
    objects[WHITE_BRUSH] = SolidBrush(RGB(255, 255, 255));
    objects[LTGRAY_BRUSH] = SolidBrush(RGB(192, 192, 192));
    objects[GRAY_BRUSH] = SolidBrush(RGB(128, 128, 128));
    objects[DKGRAY_BRUSH] = SolidBrush(RGB(64, 64, 64));
    objects[BLACK_BRUSH] = SolidBrush(RGB(0, 0, 0));
    objects[NULL_BRUSH] = std::make_unique<Brush>(LOGBRUSH{BS_NULL, 0, 0});
    objects[WHITE_PEN] = SolidPen(PS_SOLID, RGB(255, 255, 255));
    objects[BLACK_PEN] = SolidPen(PS_SOLID, RGB(0, 0, 0));
    objects[NULL_PEN] = SolidPen(PS_NULL, 0);
    objects[SYSTEM_FONT] = SystemFont();
    objects[kDefaultBitmapIndex] = std::make_unique<Bitmap>(1, 1, 1);
    return objects;
}

const std::array<std::unique_ptr<GdiObject>, kDefaultBitmapIndex + 1>& StockObjects()
{
    static const auto objects = MakeStockObjects();
    return objects;
}

HGDIOBJ HandleOf(int index) { return reinterpret_cast<HGDIOBJ>(kStockHandleBase + static_cast<ULONG_PTR>(index)); }

}  // namespace

GdiObject* StockObject(HGDIOBJ handle)
{
    ULONG_PTR value = reinterpret_cast<ULONG_PTR>(handle);
    if (value < kStockHandleBase || value > kStockHandleBase + kDefaultBitmapIndex) return nullptr;
    return StockObjects()[value - kStockHandleBase].get();
}

HGDIOBJ StockHandle(int index)
{
    if (index < 0 || index == kDefaultBitmapIndex || index >= static_cast<int>(StockObjects().size())) return nullptr;
    return StockObjects()[index] ? HandleOf(index) : nullptr;
}

HGDIOBJ DefaultBitmap() { return HandleOf(kDefaultBitmapIndex); }

}  // namespace platform::gdi

HGDIOBJ WINAPI GetStockObject(int fnObject) { return platform::gdi::StockHandle(fnObject); }
