#include "chosen_table.h"

#include "dialog_ids.h"
#include "library_state.h"

LONG ChosenTableNumber(HWND page)
{
    LRESULT row = SendDlgItemMessageW(page, kTableList, CB_GETCURSEL, 0, 0);
    return static_cast<LONG>(SendDlgItemMessageW(page, kTableList, CB_GETITEMDATA, static_cast<WPARAM>(row), 0));
}

RegStringSetting* ChosenTable(HWND page) { return SharedTranslitSettings().Table(ChosenTableNumber(page)); }
