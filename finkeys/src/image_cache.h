// The rendered images of a panel, one slot per modifier state: Ctrl alone
// decides slot 8; otherwise Caps, Alt and Shift count 4, 2 and 1. Owns the
// images it holds.
#pragma once

#include <windows.h>

class ImageCache {
public:
    static constexpr int kSlots = 9;

    ImageCache();
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;
    ~ImageCache();

    static int SlotFor(bool shift, bool alt, bool caps, bool ctrl);

    // Null while the slot is empty.
    HBITMAP Image(int slot) const { return images[slot]; }
    // Deletes the slot's old image.
    void Store(int slot, HBITMAP image);
    // Deletes every image.
    void Drop();

private:
    HBITMAP images[kSlots];
};
