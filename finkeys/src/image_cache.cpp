#include "image_cache.h"

ImageCache::ImageCache() : images{} {}

ImageCache::~ImageCache() { Drop(); }

int ImageCache::SlotFor(bool shift, bool alt, bool caps, bool ctrl)
{
    if (ctrl) return kSlots - 1;
    return (caps ? 4 : 0) + (alt ? 2 : 0) + (shift ? 1 : 0);
}

void ImageCache::Store(int slot, HBITMAP image)
{
    if (images[slot]) DeleteObject(images[slot]);
    images[slot] = image;
}

void ImageCache::Drop()
{
    for (int slot = 0; slot < kSlots; ++slot) Store(slot, nullptr);
}
