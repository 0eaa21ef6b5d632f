// A colour bitmap selected into a memory context, pre-filled so that stray
// or missing drawing shows: what drawing tests draw on.
#pragma once

#include <windows.h>

#include <device/image.h>

// Magenta: no drawing of the product uses it.
constexpr COLORREF kSentinel = RGB(255, 0, 255);

class ColourCanvas {
public:
    ColourCanvas(int width, int height, COLORREF fill = kSentinel);
    ~ColourCanvas();
    ColourCanvas(const ColourCanvas&) = delete;
    ColourCanvas& operator=(const ColourCanvas&) = delete;

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    device::Image Image() const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ original_;
};

// What HDC shows in its WIDTH x HEIGHT top-left corner, read with GetPixel.
device::Image ImageOf(HDC hdc, int width, int height);
