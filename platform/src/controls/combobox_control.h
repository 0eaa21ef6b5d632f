// What a combo box's dropped list and the user's hand need of the combo box.
// Each answers null or does nothing for a window that is not a combo box.
#pragma once

#include <windows.h>

#include "controls/list_items.h"

namespace platform::controls {

// The rows, the selection and the first row in view of the dropped list.
ListItems* ComboItems(HWND combo);
HFONT ComboFont(HWND combo);
// The dropped list while it shows, else null.
HWND DroppedList(HWND combo);

// The user chose ROW in the dropped list: it is selected, the list closes
// (CBN_CLOSEUP) and the parent hears of the choice (CBN_SELCHANGE).
void ChooseComboRow(HWND combo, int row);
// The list closes without a choice (CBN_CLOSEUP).
void CloseComboList(HWND combo);
// The dropped list LIST is going away; the combo box forgets it.
void ForgetComboList(HWND combo, HWND list);

}  // namespace platform::controls
