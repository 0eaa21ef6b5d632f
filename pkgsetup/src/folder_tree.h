// Copying, removing and renaming the Start menu's folders.
#pragma once

#include <windows.h>

// Makes DESTINATION (it may exist) and copies SOURCE's files into it,
// replacing those of the same name, read-only ones too, and its folders
// when RECURSE. Copy failures are not reported. FALSE when SOURCE cannot be
// listed.
BOOL CopyTree(LPCWSTR source, LPCWSTR destination, BOOL recurse);

// Deletes FOLDER's files, read-only ones too, and, when RECURSE, its
// folders, then FOLDER itself. The first removal that fails ends it with
// FALSE, leaving FOLDER. TRUE when FOLDER itself was removed.
BOOL RemoveTree(LPCWSTR folder, BOOL recurse);

// Gives FOLDER's entries (the contents of a folder first, when RECURSE) the
// localised name of their pair when TO_LOCALIZED, else the English one,
// replacing an entry that has that name already, read-only or not. A move
// that fails is reported and leaves the entry where it was. FALSE when
// FOLDER cannot be listed.
BOOL RenameTree(LPCWSTR folder, BOOL recurse, BOOL toLocalized);
