// Showing one of qvpen's dialogs in the interface language.
#pragma once

#include "dialog_string_table.h"

// Mirrors DIALOG for a right-to-left LANGUAGE, then sets the texts of
// LANGUAGE's row of TABLE (kDialogTextRows rows, id 0 the dialog itself);
// a language without a row keeps the template's texts.
void LocalizeQvpenDialog(HWND dialog, LCID language, const DialogStringTable* table);
