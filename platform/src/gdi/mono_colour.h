// Colours on monochrome surfaces: a 0 bit is black, a 1 bit white, and any
// other colour drawn there becomes the nearer of the two.
#pragma once

#include <wingdi.h>

#include "gdi/bitmap.h"

namespace platform::gdi {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsOneBit(COLORREF colour);

// What COLOUR becomes when drawn on SURFACE.
COLORREF OnSurface(const Bitmap& surface, COLORREF colour);

}  // namespace platform::gdi
