// The device's image lists behind their handles, handed out once each.
#pragma once

#include <commctrl.h>

#include "comctl/image_list.h"
#include "kernel/serial_handle_table.h"

namespace platform::comctl {

using ImageListTable = kernel::SerialHandleTable<HIMAGELIST, ImageList>;

ImageListTable& ImageLists();

}  // namespace platform::comctl
