// The list box's own geometry: a sunken edge with WS_BORDER, its rows inside.
#pragma once

#include <windows.h>

#include "controls/list_view.h"

namespace platform::controls {

constexpr int kListBorder = 2;

// The view of ITEMS in a list box of CLIENT and STYLE.
ListView ListBoxView(const RECT& client, DWORD style, int rowHeight, const ListItems& items);

// The height that holds whole rows only: the rows that fit in HEIGHT, at least one.
int IntegralListHeight(int height, DWORD style, int rowHeight);

}  // namespace platform::controls
