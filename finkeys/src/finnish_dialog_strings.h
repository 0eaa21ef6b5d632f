// The Finnish texts of the keyboard's options page (resource 519).
#pragma once

#include <dialog_string_table.h>

const int kFinnishDialogStringRows = 1;
extern const DialogStringTable kFinnishDialogStrings[kFinnishDialogStringRows];
