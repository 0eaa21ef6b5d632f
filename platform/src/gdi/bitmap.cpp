#include "gdi/bitmap.h"

#include <cstring>

namespace platform::gdi {

Bitmap::Bitmap(int width, int height, int bitsPerPixel)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      pixels_(static_cast<size_t>(width) * height, RGB(0, 0, 0))
{
}

// Rows are reported padded to four bytes, as the platform keeps a bitmap
// loaded from a resource; its bits are not handed out.
int Bitmap::Describe(int bufferSize, void* buffer) const
{
    if (!buffer) return sizeof(BITMAP);
    if (bufferSize < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP description{};
    description.bmWidth = width_;
    description.bmHeight = height_;
    description.bmWidthBytes = (width_ * bitsPerPixel_ + 31) / 32 * 4;
    description.bmPlanes = 1;
    description.bmBitsPixel = static_cast<WORD>(bitsPerPixel_);
    std::memcpy(buffer, &description, sizeof description);
    return sizeof description;
}

}  // namespace platform::gdi
