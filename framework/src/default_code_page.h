// The browser's default code page ("Default_CodePage" of HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Internet Explorer\International"), which the help
// switches to suit the interface language while the viewer starts.
#pragma once

#include <windows.h>

// 1251 for Russian, Serbian (Cyrillic) and Bulgarian, 1253 for Greek, else 1252.
DWORD HelpCodePage(LCID language);

// The registry's answer: ERROR_SUCCESS with CODE_PAGE read,
// ERROR_FILE_NOT_FOUND when there is no such value, or why it could not be
// read (ERROR_INVALID_DATA: the value is not a REG_DWORD of 4 bytes).
LONG ReadDefaultCodePage(DWORD& codePage);

// Writes CODE_PAGE as a REG_DWORD, commits it, then tells every window that
// the international settings changed (also when the write failed); TRUE.
BOOL WriteDefaultCodePage(DWORD codePage);

// Deletes the value, commits and tells the windows, as a write does.
void DeleteDefaultCodePage();
