// The texts of qvpen's dialogs in the 27 interface languages the library
// carries, one row per language in the same order in each table. In these
// tables control id 0 stands for the dialog itself (its caption).
#pragma once

#include "dialog_string_table.h"

const int kDialogTextRows = 27;

// Options page (519): 1025, 1014, 1015, 1016.
extern const DialogStringTable kOptionsDialogTexts[kDialogTextRows];
// Rule dialog (416): the caption, 1023, 1017, 1024, 1.
extern const DialogStringTable kRuleDialogTexts[kDialogTextRows];
// Messages: 1, the question before a rule is removed.
extern const DialogStringTable kMessageTexts[kDialogTextRows];

const int kRemoveRuleQuestion = 1;

// The message ID in LANGUAGE, else in English, else the empty text.
LPCWSTR MessageText(int id, LCID language);
