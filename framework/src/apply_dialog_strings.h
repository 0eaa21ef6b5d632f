// Replacing a dialog's template texts by those of a language.
#pragma once

#include "dialog_string_table.h"

// Sets the texts of the first row of TABLE (ROW_COUNT rows) for LANGUAGE, in
// its order. A pair whose id is DIALOG_ID names the dialog window itself, so
// a table can set the caption (the keyboard passes its resource id, the
// recogniser 0). A language without a row keeps the template's texts; an id
// without a control is passed over.
void ApplyDialogStrings(HWND dialog, int dialogId, LCID language, const DialogStringTable* table, int rowCount);
