#include "user/dialog_units.h"

#include <windows.h>

namespace platform::user {

namespace {

// The platform's answer when a font cannot be measured: the system font's units.
constexpr DialogBaseUnits kSystemFontUnits{6, 13};

const WCHAR kAlphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

DialogBaseUnits BaseUnitsOf(HFONT font)
{
    HDC context = CreateCompatibleDC(nullptr);
    if (!context) return kSystemFontUnits;
    HGDIOBJ previous = SelectObject(context, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE size{};
    BOOL measured = GetTextExtentPoint32W(context, kAlphabet, 52, &size);
    SelectObject(context, previous);
    DeleteDC(context);
    if (!measured || size.cy <= 0) return kSystemFontUnits;
    return {static_cast<int>((size.cx / 26 + 1) / 2), static_cast<int>(size.cy)};
}

RECT DialogUnitsToPixels(const RECT& units, DialogBaseUnits base)
{
    return {MulDiv(units.left, base.x, 4), MulDiv(units.top, base.y, 8), MulDiv(units.right, base.x, 4),
            MulDiv(units.bottom, base.y, 8)};
}

}  // namespace platform::user
