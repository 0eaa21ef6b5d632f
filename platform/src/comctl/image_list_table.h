// The device's image lists behind their handles, handed out once each.
#pragma once

#include <memory>

#include <commctrl.h>

#include "comctl/image_list.h"

namespace platform::comctl {

HIMAGELIST AddImageList(std::unique_ptr<ImageList> list);
ImageList* FindImageList(HIMAGELIST handle);
bool RemoveImageList(HIMAGELIST handle);

// The device closes: every list goes.
void RemoveAllImageLists();

}  // namespace platform::comctl
