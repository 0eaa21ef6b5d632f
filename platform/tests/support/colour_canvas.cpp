#include "colour_canvas.h"

ColourCanvas::ColourCanvas(int width, int height, COLORREF fill) : width_(width), height_(height)
{
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    original_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

ColourCanvas::~ColourCanvas()
{
    SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

device::Image ColourCanvas::Image() const { return ImageOf(dc_, width_, height_); }

device::Image ImageOf(HDC hdc, int width, int height)
{
    device::Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels.push_back(GetPixel(hdc, x, y));
    return image;
}
