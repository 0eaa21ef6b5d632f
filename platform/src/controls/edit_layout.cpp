#include "controls/edit_layout.h"

#include <algorithm>
#include <cstdlib>

namespace platform::controls {

RECT EditField(const RECT& client, DWORD style)
{
    RECT field = client;
    if (style & WS_BORDER) InflateRect(&field, -kEditBorder, -kEditBorder);
    InflateRect(&field, -kEditMargin, 0);
    return field;
}

std::vector<int> CaretOffsets(std::u16string_view text, const MeasureText& width)
{
    std::vector<int> offsets;
    for (size_t position = 0; position <= text.size(); ++position) offsets.push_back(width(text.substr(0, position)));
    return offsets;
}

int TextLeft(const RECT& field, int textWidth, DWORD style, int scroll)
{
    int room = field.right - field.left - 1;  // the caret's pixel after the text
    if (textWidth > room) return field.left - scroll;
    switch (style & (ES_CENTER | ES_RIGHT)) {
    case ES_CENTER:
        return field.left + (room - textWidth) / 2;
    case ES_RIGHT:
        return field.left + room - textWidth;
    default:
        return field.left;
    }
}

bool FitsField(const RECT& field, int textWidth) { return textWidth < field.right - field.left; }

int ScrollShowingCaret(int scroll, int offset, int textWidth, const RECT& field)
{
    int room = field.right - field.left - 1;
    scroll = std::min(scroll, std::max(0, textWidth - room));
    return std::clamp(scroll, std::max(0, offset - room), offset);
}

size_t NearestCaret(const EditText& text, const std::vector<int>& offsets, int x)
{
    size_t nearest = 0;
    for (size_t position = 0; position < offsets.size(); ++position) {
        if (text.IsCaretPosition(position) && std::abs(offsets[position] - x) < std::abs(offsets[nearest] - x))
            nearest = position;
    }
    return nearest;
}

}  // namespace platform::controls
