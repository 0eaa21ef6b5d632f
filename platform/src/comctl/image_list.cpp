#include "comctl/image_list.h"

#include <algorithm>

namespace platform::comctl {

ImageList::ImageList(int imageWidth, int imageHeight, COLORREF maskColour, int grow)
    : imageWidth_(imageWidth), imageHeight_(imageHeight), maskColour_(maskColour), grow_(grow)
{
}

void ImageList::AddStrip(const gdi::Bitmap& strip)
{
    int rows = std::min(imageHeight_, strip.Height());
    for (int left = 0; left + imageWidth_ <= strip.Width(); left += imageWidth_) {
        ImageListImage image;
        image.pixels.assign(static_cast<size_t>(imageWidth_) * imageHeight_, RGB(0, 0, 0));
        image.transparent.assign(image.pixels.size(), false);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < imageWidth_; ++x) {
                size_t at = static_cast<size_t>(y) * imageWidth_ + x;
                image.pixels[at] = strip.Pixel(left + x, y);
                image.transparent[at] = HasMask() && image.pixels[at] == maskColour_;
            }
        }
        images_.push_back(std::move(image));
    }
}

}  // namespace platform::comctl
