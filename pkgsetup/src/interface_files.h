// The package's interface files: unpacked into "\Windows" from the
// containers of the install directory at installation, deleted by their
// language's pattern at removal.
#pragma once

#include <windows.h>

// Unpacks every entry of every "mui_?.bin" container of INSTALLDIRECTORY
// into "\Windows" behind a progress dialog, deleting each container after
// it. Non-zero when the containers were processed; zero when none was
// found or the dialog could not appear (then nothing is unpacked).
BOOL ExtractInterfaceFiles(LPCWSTR installDirectory);

// Deletes every "\Windows\*.XXXX.MUI" of the package language, whoever
// placed it. Always non-zero.
BOOL DeleteInterfaceFiles();
