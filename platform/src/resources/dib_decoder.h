// The device-independent bitmap an RT_BITMAP resource holds: an info
// header, a palette, then rows of pixels padded to four bytes, bottom-up
// (or top-down when the height is negative). Uncompressed 1, 4, 8 and 24
// bits per pixel.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "gdi/bitmap.h"

namespace platform::resources {

struct DecodedDib {
    std::unique_ptr<gdi::Bitmap> bitmap;  // null when the data is not sound
    std::string error;
};

// Reads nothing outside DATA.
DecodedDib DecodeDib(std::span<const BYTE> data);

}  // namespace platform::resources
