// The vertical scroll bar a list shows beside its rows when they do not all
// fit: two arrow buttons, the track between them and the thumb in it.
#pragma once

#include <windows.h>

namespace platform::controls {

constexpr int kScrollBarWidth = 13;
constexpr int kMinimumThumb = 8;

enum class ScrollPart { None, LineUp, LineDown, PageUp, PageDown, Thumb };

struct ScrollBar {
    RECT up;     // the arrow button at the top
    RECT down;   // the arrow button at the bottom
    RECT track;  // between the two
    RECT thumb;  // in the track: where the rows in view lie among all of them
};

// The bar in BAR for COUNT rows, VISIBLE of them in view from TOP on.
ScrollBar LayOutScrollBar(const RECT& bar, int count, int visible, int top);

ScrollPart ScrollPartAt(const ScrollBar& bar, POINT point);

// The first row in view after a tap on PART: a row or a page up or down.
int TopAfter(ScrollPart part, int top, int visible);

void PaintScrollBar(HDC hdc, const ScrollBar& bar, bool enabled);

}  // namespace platform::controls
