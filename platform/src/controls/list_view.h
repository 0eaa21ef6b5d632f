// A list as it shows: its rows one under another from the top row in view,
// with a scroll bar beside them when they do not all fit. The list box and a
// combo box's dropped list both show their rows this way.
#pragma once

#include <optional>

#include <windows.h>

#include "controls/list_items.h"
#include "controls/scroll_bar.h"

namespace platform::controls {

struct ListView {
    RECT rows;      // where the rows are drawn
    int rowHeight;  // the height of a line of the list's font
    int visible;    // how many rows the view holds, at least one
    bool scrolls;   // a scroll bar stands at the right of the rows
    ScrollBar bar;  // when it scrolls
};

// The view of ITEMS in INSIDE (the list's area within any border); a scroll
// bar when WANTS_BAR (WS_VSCROLL) and the rows do not all fit.
ListView LayOutList(const RECT& inside, int rowHeight, const ListItems& items, bool wantsBar);

// The row under POINT; -1 beyond the rows.
int RowAt(const ListView& view, const ListItems& items, POINT point);

// Where row INDEX is drawn, in view or not.
RECT RowRect(const ListView& view, const ListItems& items, int index);

// A tap on the scroll bar moves the top row; false when POINT is not on the bar.
bool ScrollByTap(const ListView& view, ListItems& items, POINT point);

struct ListTap {
    POINT point;
    bool onRow;  // the row itself; else a scroll arrow that brings it nearer
};

// Where the user taps to get to row INDEX: its middle when it is in view,
// else the scroll arrow toward it; nothing when it cannot be reached.
std::optional<ListTap> TapToward(const ListView& view, const ListItems& items, int index);

// The rows in view, HIGHLIGHTED one (-1: none) in the selection's colours.
void PaintRows(HDC hdc, const ListView& view, const ListItems& items, int highlighted, bool enabled);

}  // namespace platform::controls
