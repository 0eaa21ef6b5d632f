// The options page's list of the rules of a table.
#pragma once

#include <windows.h>

// One row per valid entry of TEXT (none for a null text). The selected row
// stays selected when the list still has that many rows.
void FillRuleList(HWND page, LPCWSTR text);
