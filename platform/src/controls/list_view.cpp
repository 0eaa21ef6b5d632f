#include "controls/list_view.h"

#include <algorithm>

#include "controls/control_drawing.h"

namespace platform::controls {

namespace {

constexpr int kRowIndent = 2;  // between the row's edge and its text

POINT Middle(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

ListView LayOutList(const RECT& inside, int rowHeight, const ListItems& items, bool wantsBar)
{
    ListView view{inside, std::max(1, rowHeight), 1, false, {}};
    view.visible = std::max(1, static_cast<int>(inside.bottom - inside.top) / view.rowHeight);
    view.scrolls = wantsBar && items.Count() > view.visible;
    if (view.scrolls) {
        view.rows.right = std::max(inside.left, inside.right - kScrollBarWidth);
        view.bar = LayOutScrollBar({view.rows.right, inside.top, inside.right, inside.bottom}, items.Count(),
                                   view.visible, items.Top());
    }
    return view;
}

int RowAt(const ListView& view, const ListItems& items, POINT point)
{
    if (!PtInRect(&view.rows, point)) return -1;
    int index = items.Top() + (point.y - view.rows.top) / view.rowHeight;
    return items.Has(index) ? index : -1;
}

RECT RowRect(const ListView& view, const ListItems& items, int index)
{
    int top = view.rows.top + (index - items.Top()) * view.rowHeight;
    return {view.rows.left, top, view.rows.right, top + view.rowHeight};
}

bool ScrollByTap(const ListView& view, ListItems& items, POINT point)
{
    if (!view.scrolls) return false;
    ScrollPart part = ScrollPartAt(view.bar, point);
    if (part == ScrollPart::None) return false;
    items.SetTop(TopAfter(part, items.Top(), view.visible), view.visible);
    return true;
}

std::optional<ListTap> TapToward(const ListView& view, const ListItems& items, int index)
{
    if (!items.Has(index)) return std::nullopt;
    RECT row = RowRect(view, items, index);
    bool whole = row.bottom <= view.rows.bottom;
    // Without a scroll bar a row cut off at the bottom is tapped where it shows.
    if (index >= items.Top() && row.top < view.rows.bottom && (whole || !view.scrolls)) {
        row.bottom = std::min(row.bottom, view.rows.bottom);
        return ListTap{Middle(row), true};
    }
    if (!view.scrolls) return std::nullopt;
    return ListTap{Middle(index < items.Top() ? view.bar.up : view.bar.down), false};
}

void PaintRows(HDC hdc, const ListView& view, const ListItems& items, int highlighted, bool enabled)
{
    for (int index = items.Top(); index < items.Count(); ++index) {
        RECT row = RowRect(view, items, index);
        if (row.top >= view.rows.bottom) break;
        row.bottom = std::min(row.bottom, view.rows.bottom);
        // A disabled list keeps its selection in view, in grey.
        bool marked = index == highlighted;
        if (marked) FillColour(hdc, row, GetSysColor(enabled ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
        SetTextColor(hdc, marked ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColour(enabled));
        RECT text{row.left + kRowIndent, row.top, row.right, row.bottom};
        const std::u16string& shown = items.At(index)->text;
        DrawTextW(hdc, shown.c_str(), static_cast<int>(shown.size()), &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
}

}  // namespace platform::controls
