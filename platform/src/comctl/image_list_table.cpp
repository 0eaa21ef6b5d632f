#include "comctl/image_list_table.h"

#include "kernel/serial_handle_table.h"

namespace platform::comctl {

namespace {
kernel::SerialHandleTable<HIMAGELIST, ImageList> lists(0x60000000, 4);
}

HIMAGELIST AddImageList(std::unique_ptr<ImageList> list) { return lists.Add(std::move(list)); }

ImageList* FindImageList(HIMAGELIST handle) { return lists.Find(handle); }

bool RemoveImageList(HIMAGELIST handle) { return lists.Take(handle) != nullptr; }

void RemoveAllImageLists() { lists.Clear(); }

}  // namespace platform::comctl
