// The rows of a list box or of a combo box's list: each one's text and item
// data, the selected row and the first row in view. Indexes are the
// platform's: -1 is no row, and a failure answers LB_ERR (which is CB_ERR).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace platform::controls {

struct ListItem {
    std::u16string text;
    LPARAM data = 0;
};

class ListItems {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    // Null for an index that names no row.
    const ListItem* At(int index) const;
    int Selected() const { return selected_; }
    int Top() const { return top_; }

    // At the end, or with SORTED where it belongs without regard to case
    // (after the rows it equals). Answers the new row's index.
    int Add(std::u16string_view text, bool sorted);
    // Before INDEX, or at the end for -1; LB_ERR for an index beyond the end.
    int Insert(int index, std::u16string_view text);
    // Answers the rows left, or LB_ERR. The selection follows its row and
    // goes with it.
    int Delete(int index);
    void Clear();
    bool SetData(int index, LPARAM data);

    // -1 selects nothing; false, changing nothing, for an index out of range.
    bool Select(int index);
    // The first row in view, kept so that VISIBLE rows from it show as many
    // rows as there are.
    void SetTop(int index, int visible);
    // Scrolls the least that brings INDEX among the VISIBLE rows from the top.
    void ShowRow(int index, int visible);

private:
    std::vector<ListItem> items_;
    int selected_ = -1;
    int top_ = 0;
};

}  // namespace platform::controls
