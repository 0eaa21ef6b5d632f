#include "controls/combo_layout.h"

#include <algorithm>

#include "controls/scroll_bar.h"

namespace platform::controls {

ComboLayout LayOutCombo(const RECT& client)
{
    RECT inside = client;
    InflateRect(&inside, -kComboEdge, -kComboEdge);
    LONG buttonLeft = std::max<LONG>(inside.left, inside.right - kScrollBarWidth);
    return {{inside.left + kComboIndent, inside.top, buttonLeft, inside.bottom},
            {buttonLeft, inside.top, inside.right, inside.bottom}};
}

int ClosedComboHeight(int rowHeight) { return rowHeight + 2 * (kComboEdge + kComboPadding); }

int DroppedListHeight(int givenHeight, int rowHeight, int rows)
{
    constexpr int kFrame = 2;
    int fitting = (givenHeight - ClosedComboHeight(rowHeight) - kFrame) / std::max(1, rowHeight);
    return kFrame + std::clamp(rows, 1, std::max(1, fitting)) * rowHeight;
}

RECT DroppedListRect(const RECT& box, int listHeight, int screenHeight)
{
    bool fitsBelow = box.bottom + listHeight <= screenHeight;
    LONG top = fitsBelow ? box.bottom : std::max<LONG>(0, box.top - listHeight);
    return {box.left, top, box.right, top + listHeight};
}

}  // namespace platform::controls
