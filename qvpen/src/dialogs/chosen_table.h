// The table chosen in the options page's table list.
#pragma once

#include "reg_string_setting.h"

// The chosen row's table number (0: no table).
LONG ChosenTableNumber(HWND page);
// The chosen table's store; null for "None".
RegStringSetting* ChosenTable(HWND page);
