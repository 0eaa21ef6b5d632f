#include "comctl/image_list_table.h"

namespace platform::comctl {

ImageListTable& ImageLists()
{
    static ImageListTable lists(0x60000000, 4);
    return lists;
}

}  // namespace platform::comctl
