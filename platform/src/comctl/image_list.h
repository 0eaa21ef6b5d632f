// An image list: images of one size cut from a bitmap strip, and the mask
// that marks their transparent pixels. Drawing code reads the images from
// here.
#pragma once

#include <vector>

#include <commctrl.h>

#include "gdi/bitmap.h"

namespace platform::comctl {

struct ImageListImage {
    std::vector<COLORREF> pixels;  // row by row from the top
    std::vector<bool> transparent;  // beside each pixel; all false without a mask
};

class ImageList {
public:
    // MASK_COLOUR is CLR_NONE for a list without a mask.
    ImageList(int imageWidth, int imageHeight, COLORREF maskColour, int grow);

    // Cuts STRIP from the left into as many whole images as fit.
    void AddStrip(const gdi::Bitmap& strip);

    int ImageWidth() const { return imageWidth_; }
    int ImageHeight() const { return imageHeight_; }
    bool HasMask() const { return maskColour_ != CLR_NONE; }
    COLORREF MaskColour() const { return maskColour_; }
    int Grow() const { return grow_; }
    const std::vector<ImageListImage>& Images() const { return images_; }

private:
    int imageWidth_;
    int imageHeight_;
    COLORREF maskColour_;
    int grow_;  // images the list would grow by; kept as asked
    std::vector<ImageListImage> images_;
};

}  // namespace platform::comctl
