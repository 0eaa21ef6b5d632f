// The rows of the options page's table list, in the order it shows them:
// "None", the two user tables, then the built-in tables by name.
#pragma once

#include <windows.h>

const int kTableChoiceCount = 27;

// The table number each row stands for (0: no table).
extern const LONG kTableChoices[kTableChoiceCount];

// The row's name as the list shows it; names are not translated.
LPCWSTR TableChoiceName(int row);
