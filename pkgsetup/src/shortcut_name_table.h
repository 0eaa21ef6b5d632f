// The shortcut name pairs of a language, from the platform's language
// resource files.
#pragma once

#include <windows.h>

// Fills the module's pair table for LCID: for 1049 the built-in Russian
// set; otherwise, item by item, the name each program's language resource
// file gives, where it differs from the English one and fits a shortcut
// name. FALSE, with the table marked incomplete, when a file cannot be
// opened.
BOOL BuildShortcutNameTable(DWORD lcid);
