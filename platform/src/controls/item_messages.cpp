#include "controls/item_messages.h"

#include <algorithm>
#include <iterator>

namespace platform::controls {

namespace {

struct RequestName {
    UINT message;
    ItemRequest request;
};

constexpr RequestName kListBoxRequests[] = {
    {LB_ADDSTRING, ItemRequest::Add},        {LB_INSERTSTRING, ItemRequest::Insert},
    {LB_DELETESTRING, ItemRequest::Delete},  {LB_RESETCONTENT, ItemRequest::Reset},
    {LB_GETCOUNT, ItemRequest::Count},       {LB_GETTEXT, ItemRequest::Text},
    {LB_GETTEXTLEN, ItemRequest::TextLength}, {LB_SETITEMDATA, ItemRequest::SetData},
    {LB_GETITEMDATA, ItemRequest::GetData},  {LB_SETCURSEL, ItemRequest::Select},
    {LB_GETCURSEL, ItemRequest::Selection},
};

constexpr RequestName kComboBoxRequests[] = {
    {CB_ADDSTRING, ItemRequest::Add},          {CB_INSERTSTRING, ItemRequest::Insert},
    {CB_DELETESTRING, ItemRequest::Delete},    {CB_RESETCONTENT, ItemRequest::Reset},
    {CB_GETCOUNT, ItemRequest::Count},         {CB_GETLBTEXT, ItemRequest::Text},
    {CB_GETLBTEXTLEN, ItemRequest::TextLength}, {CB_SETITEMDATA, ItemRequest::SetData},
    {CB_GETITEMDATA, ItemRequest::GetData},    {CB_SETCURSEL, ItemRequest::Select},
    {CB_GETCURSEL, ItemRequest::Selection},
};

template <size_t N>
std::optional<ItemRequest> Find(const RequestName (&names)[N], UINT message)
{
    auto found = std::find_if(std::begin(names), std::end(names),
                              [&](const RequestName& name) { return name.message == message; });
    if (found == std::end(names)) return std::nullopt;
    return found->request;
}

std::u16string_view TextOf(LPARAM lParam)
{
    LPCWSTR text = reinterpret_cast<LPCWSTR>(lParam);
    return text ? std::u16string_view(text) : std::u16string_view();
}

// The whole text and its terminator: the caller's buffer is as long as LB_GETTEXTLEN says.
LRESULT CopyRowText(const ListItem* item, LPARAM lParam)
{
    LPWSTR buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!item || !buffer) return LB_ERR;
    std::copy(item->text.begin(), item->text.end(), buffer);
    buffer[item->text.size()] = 0;
    return static_cast<LRESULT>(item->text.size());
}

ItemAnswer Select(ListItems& items, int index, ItemOwner owner)
{
    if (!items.Select(index)) {
        if (owner == ItemOwner::ListBox) return {LB_ERR, false};
        items.Select(-1);
        return {LB_ERR, true};
    }
    return {index == -1 ? LB_ERR : index, true};
}

}  // namespace

std::optional<ItemRequest> ListBoxRequest(UINT message) { return Find(kListBoxRequests, message); }

std::optional<ItemRequest> ComboBoxRequest(UINT message) { return Find(kComboBoxRequests, message); }

ItemAnswer AnswerItemRequest(ListItems& items, ItemRequest request, WPARAM wParam, LPARAM lParam, bool sorted,
                             ItemOwner owner)
{
    int index = static_cast<int>(wParam);
    const ListItem* item = items.At(index);
    switch (request) {
    case ItemRequest::Add:
        return {items.Add(TextOf(lParam), sorted), true};
    case ItemRequest::Insert: {
        int inserted = items.Insert(index, TextOf(lParam));
        return {inserted, inserted != LB_ERR};
    }
    case ItemRequest::Delete: {
        int left = items.Delete(index);
        return {left, left != LB_ERR};
    }
    case ItemRequest::Reset:
        items.Clear();
        return {0, true};
    case ItemRequest::Count:
        return {items.Count(), false};
    case ItemRequest::Text:
        return {CopyRowText(item, lParam), false};
    case ItemRequest::TextLength:
        return {item ? static_cast<LRESULT>(item->text.size()) : LB_ERR, false};
    case ItemRequest::SetData:
        return {items.SetData(index, lParam) ? 0 : LB_ERR, false};
    case ItemRequest::GetData:
        return {item ? item->data : LB_ERR, false};
    case ItemRequest::Select:
        return Select(items, index, owner);
    case ItemRequest::Selection:
        return {items.Selected(), false};
    }
    return {LB_ERR, false};
}

}  // namespace platform::controls
