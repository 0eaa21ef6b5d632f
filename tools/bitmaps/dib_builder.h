// Device-independent bitmaps built for tests: the bytes an RT_BITMAP
// resource holds, or a .bmp file for the resource compiler.
#pragma once

#include <cstdint>
#include <vector>

#include <wingdi.h>

struct DibSpec {
    int width;
    int height;
    int bitsPerPixel;  // 1, 4, 8 or 24
    bool topDown;
    std::vector<COLORREF> palette;  // written as it is, also when shorter than the depth allows
    std::vector<uint32_t> pixels;   // rows from the top: palette indices, or colours at 24 bits

    COLORREF ColourAt(int x, int y) const
    {
        uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
        return bitsPerPixel == 24 ? pixel : palette[pixel];
    }
};

std::vector<BYTE> BuildDib(const DibSpec& spec);
std::vector<BYTE> BuildBitmapFile(const DibSpec& spec);
