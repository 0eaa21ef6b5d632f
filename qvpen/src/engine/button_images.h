// The input-panel button images qvpen shows instead of the recogniser's:
// bitmaps 101 (16 pixels wide) and 102 (32 pixels wide), light grey
// transparent. Each holder loads a pair of its own and destroys it.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <sipapi.h>

class ButtonImages {
public:
    explicit ButtonImages(HINSTANCE library);
    ~ButtonImages();
    ButtonImages(const ButtonImages&) = delete;
    ButtonImages& operator=(const ButtonImages&) = delete;

    // Puts these images, at index 0, into INFO; the rest of INFO stays.
    void WriteInto(IMINFO* info) const;

private:
    HIMAGELIST narrow;
    HIMAGELIST wide;
};
