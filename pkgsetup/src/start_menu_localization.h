// The Start menu in the package language: a localised copy of the English
// folders at installation, the English folders back at removal.
#pragma once

#include <windows.h>

// Moves the Start menu, with the shell's registry paths, to the folders the
// shell's language resource file names for LCID (TO_LOCALIZED) or back to
// the English folders, renames the shortcuts by the pair table, and with
// REMOVE_SOURCE_TREE removes the folders it came from. FALSE, with nothing
// changed, for English, when the shell's file cannot be opened or names no
// usable folders, when the pair table is incomplete, or when the folder to
// copy from is missing.
BOOL LocalizeStartMenu(DWORD lcid, BOOL toLocalized, BOOL removeSourceTree);
