// Where the package's restart program lies: in the install directory.
#pragma once

#include <windows.h>

// INSTALL_DIRECTORY (one trailing backslash dropped) and "\reboot.exe" into
// PATH; false, with PATH empty, when the path would not fit.
bool RestartProgramPath(LPCWSTR installDirectory, WCHAR (&path)[MAX_PATH]);
