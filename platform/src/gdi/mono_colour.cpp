#include "gdi/mono_colour.h"

namespace platform::gdi {

// Equally far from both (never, for whole channel values) would count as black.
bool IsOneBit(COLORREF colour)
{
    int sum = GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
    return 2 * sum > 3 * 255;
}

COLORREF OnSurface(const Bitmap& surface, COLORREF colour)
{
    if (surface.IsMonochrome()) return IsOneBit(colour) ? kWhite : kBlack;
    return colour & 0x00FFFFFF;
}

}  // namespace platform::gdi
