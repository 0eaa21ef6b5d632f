#include "controls/list_box_view.h"

#include <algorithm>

namespace platform::controls {

namespace {

int BorderOf(DWORD style) { return (style & WS_BORDER) ? kListBorder : 0; }

}  // namespace

ListView ListBoxView(const RECT& client, DWORD style, int rowHeight, const ListItems& items)
{
    RECT inside = client;
    InflateRect(&inside, -BorderOf(style), -BorderOf(style));
    return LayOutList(inside, rowHeight, items, (style & WS_VSCROLL) != 0);
}

int IntegralListHeight(int height, DWORD style, int rowHeight)
{
    int frame = 2 * BorderOf(style);
    int rows = std::max(1, (height - frame) / std::max(1, rowHeight));
    return frame + rows * rowHeight;
}

}  // namespace platform::controls
