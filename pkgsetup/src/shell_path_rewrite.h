// The shell's registry paths of Start-menu items, which follow the Start
// menu between its English and its localised folders.
#pragma once

#include <windows.h>

// Rewrites every string value of the Start-items key (HKEY_LOCAL_MACHINE),
// its data and its name, with the shortcut name pairs and the folder paths
// PROGRAMS and START_MENU (the localised ones), towards the localised names
// when TO_LOCALIZED, else back to the English ones; then the task-switch
// key. FALSE, with neither key touched, when the Start-items key cannot be
// opened. LCID is not used.
BOOL RewriteStartItems(DWORD lcid, LPCWSTR programs, LPCWSTR startMenu, BOOL toLocalized);

// The same for the task-switch key (HKEY_CURRENT_USER), whose values keep
// their names. FALSE when it cannot be opened.
BOOL RewriteTaskSwitch(DWORD lcid, LPCWSTR programs, LPCWSTR startMenu, BOOL toLocalized);
