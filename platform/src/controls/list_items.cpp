#include "controls/list_items.h"

#include <algorithm>

#include <crtwide.h>

namespace platform::controls {

const ListItem* ListItems::At(int index) const { return Has(index) ? &items_[static_cast<size_t>(index)] : nullptr; }

int ListItems::Add(std::u16string_view text, bool sorted)
{
    std::u16string added(text);
    int index = Count();
    if (sorted) {
        auto after = std::find_if(items_.begin(), items_.end(), [&](const ListItem& item) {
            return _wcsicmp(item.text.c_str(), added.c_str()) > 0;
        });
        index = static_cast<int>(after - items_.begin());
    }
    return Insert(index, added);
}

int ListItems::Insert(int index, std::u16string_view text)
{
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return LB_ERR;
    items_.insert(items_.begin() + index, ListItem{std::u16string(text)});
    if (selected_ >= index) ++selected_;
    return index;
}

int ListItems::Delete(int index)
{
    if (!Has(index)) return LB_ERR;
    items_.erase(items_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    top_ = std::min(top_, std::max(0, Count() - 1));
    return Count();
}

void ListItems::Clear()
{
    items_.clear();
    selected_ = -1;
    top_ = 0;
}

bool ListItems::SetData(int index, LPARAM data)
{
    if (!Has(index)) return false;
    items_[static_cast<size_t>(index)].data = data;
    return true;
}

bool ListItems::Select(int index)
{
    if (index != -1 && !Has(index)) return false;
    selected_ = index;
    return true;
}

void ListItems::SetTop(int index, int visible) { top_ = std::clamp(index, 0, std::max(0, Count() - visible)); }

void ListItems::ShowRow(int index, int visible)
{
    if (!Has(index)) return;
    if (index < top_)
        SetTop(index, visible);
    else if (index >= top_ + visible)
        SetTop(index - visible + 1, visible);
}

}  // namespace platform::controls
