// The package's restart program in the boot launch list, between the two
// passes of a removal.
#pragma once

#include <windows.h>

// Enters the restart program of INSTALL_DIRECTORY under the first launch
// number after the shell's that the entries following it leave free (moved
// on past any number another entry holds), and
// answers that number; 0, with nothing written, when "init" cannot be
// opened, the list leaves only the number 0, or the program's path would
// not fit.
DWORD RegisterRestartProgram(LPCWSTR installDirectory);

// Deletes the entry NUMBER after a second's wait, reporting a value that
// cannot be deleted by its name. TRUE when both values were deleted.
BOOL UnregisterRestartProgram(DWORD number);
