#include "button_images.h"

namespace {

const UINT kNarrowBitmap = 101;
const UINT kWideBitmap = 102;
const COLORREF kTransparent = 0xC0C0C0;

HIMAGELIST Load(HINSTANCE library, UINT bitmap, int imageWidth)
{
    return ImageList_LoadImage(library, MAKEINTRESOURCE(bitmap), imageWidth, 1, kTransparent, IMAGE_BITMAP, 0);
}

}  // namespace

ButtonImages::ButtonImages(HINSTANCE library)
    : narrow(Load(library, kNarrowBitmap, 16)), wide(Load(library, kWideBitmap, 32))
{
}

ButtonImages::~ButtonImages()
{
    if (narrow) ImageList_Destroy(narrow);
    if (wide) ImageList_Destroy(wide);
}

void ButtonImages::WriteInto(IMINFO* info) const
{
    info->hImageNarrow = narrow;
    info->hImageWide = wide;
    info->iNarrow = 0;
    info->iWide = 0;
}
