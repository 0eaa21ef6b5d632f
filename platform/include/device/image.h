// Pictures taken of the simulated device, and PNG files of them on the host.
#pragma once

#include <string>
#include <vector>

#include <wingdi.h>

namespace device {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top, each as RGB() makes it

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Writes IMAGE as an 8-bit RGB PNG file at HOST_PATH; false with ERROR set
// when it cannot.
bool SavePng(const Image& image, const std::string& hostPath, std::string& error);

// IMAGE as the bytes of an 8-bit RGB PNG file; empty when it cannot be
// encoded (an empty image).
std::string EncodePng(const Image& image);

// Reads a PNG file (any colour type; transparency is dropped); false with
// ERROR set when the file is missing or not a sound PNG.
bool LoadPng(const std::string& hostPath, Image& image, std::string& error);

}  // namespace device
