#include "gdi/bitmap.h"

namespace platform::gdi {

Bitmap::Bitmap(int width, int height, int bitsPerPixel, COLORREF fill)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      pixels_(static_cast<size_t>(width) * height, fill)
{
}

// Rows are reported padded to four bytes, as the platform keeps a bitmap
// loaded from a resource; its bits are not handed out.
int Bitmap::Describe(int bufferSize, void* buffer) const
{
    BITMAP description{};
    description.bmWidth = width_;
    description.bmHeight = height_;
    description.bmWidthBytes = (width_ * bitsPerPixel_ + 31) / 32 * 4;
    description.bmPlanes = 1;
    description.bmBitsPixel = static_cast<WORD>(bitsPerPixel_);
    return CopyDescription(&description, sizeof description, bufferSize, buffer);
}

}  // namespace platform::gdi
