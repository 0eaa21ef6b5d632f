// A bitmap: its size, the bits per pixel the platform reports for it, and
// its pixels as RGB colours, row by row from the top. A bitmap of one bit
// per pixel is monochrome: drawing code treats it as such, and when loaded
// from a resource its pixels are the two colours of the resource's palette
// (black and white for an ordinary monochrome bitmap); drawing reads a pixel
// nearer white than black as a 1 bit.
#pragma once

#include <vector>

#include <wingdi.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

class Bitmap final : public GdiObject {
public:
    Bitmap(int width, int height, int bitsPerPixel, COLORREF fill = RGB(0, 0, 0));

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool IsMonochrome() const { return bitsPerPixel_ == 1; }

    COLORREF Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, COLORREF colour) { pixels_[Index(x, y)] = colour; }
    // Row Y from its first pixel, for loops that walk a row.
    COLORREF* Row(int y) { return pixels_.data() + Index(0, y); }
    const COLORREF* Row(int y) const { return pixels_.data() + Index(0, y); }

    int Describe(int bufferSize, void* buffer) const override;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_;
    int height_;
    int bitsPerPixel_;
    std::vector<COLORREF> pixels_;
};

}  // namespace platform::gdi
