// The options page's Add, Remove and Change: each edits the chosen table's
// text, saves it at once and lists its rules again. An edit the registry
// refuses (a table grown past what one value holds) is told to the user and
// undone, so that the list and the stored table stay as they were.
#pragma once

#include <windows.h>

void AddRule(HWND page);
void RemoveRule(HWND page);
void ChangeRule(HWND page);
