// The messages list boxes (LB_...) and combo boxes (CB_...) both answer about
// their rows, each family under its own names, with one meaning.
#pragma once

#include <optional>

#include <windows.h>

#include "controls/list_items.h"

namespace platform::controls {

enum class ItemRequest {
    Add,         // lParam: the text; the new row's index
    Insert,      // wParam: the index (-1: the end), lParam: the text
    Delete,      // wParam: the index; the rows left
    Reset,       // every row goes
    Count,       // how many rows
    Text,        // wParam: the index, lParam: a buffer long enough; the length
    TextLength,  // wParam: the index
    SetData,     // wParam: the index, lParam: the data
    GetData,     // wParam: the index
    Select,      // wParam: the index, -1 for none; never notifies
    Selection,   // the selected index, LB_ERR for none
};

std::optional<ItemRequest> ListBoxRequest(UINT message);
std::optional<ItemRequest> ComboBoxRequest(UINT message);

enum class ItemOwner {
    ListBox,   // LB_SETCURSEL of a row that is not there changes nothing
    ComboBox,  // CB_SETCURSEL of a row that is not there clears the selection
};

struct ItemAnswer {
    LRESULT result;
    bool changed;  // the rows or the selection are different: the owner redraws
};

// SORTED (LBS_SORT, CBS_SORT) places an added row in order. A selection of
// -1 succeeds and still answers LB_ERR, as on the platform.
ItemAnswer AnswerItemRequest(ListItems& items, ItemRequest request, WPARAM wParam, LPARAM lParam, bool sorted,
                             ItemOwner owner);

}  // namespace platform::controls
