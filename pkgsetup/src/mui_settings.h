// The platform's multilingual user interface: switched on in the interface
// language at installation, its keys removed at removal. Neither reports.
#pragma once

#include <windows.h>

// "Enable" = 1 and "SysLang" = the system locale found before the swap in
// the machine's "MUI" key, "CurLang" = LANGUAGE in the user's; TRUE when all
// three were written.
BOOL WriteMuiSettings(DWORD language);

// Deletes the machine's "MUI" key, then the user's; the user's stays when
// the machine's cannot be deleted. TRUE when both were deleted.
BOOL DeleteMuiKeys();
