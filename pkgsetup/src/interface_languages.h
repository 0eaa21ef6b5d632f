// The package language and the interface language, as the package's
// registry entries give them.
#pragma once

#include <windows.h>

// Reads both into the module state; a value that cannot be read is reported
// and taken as English. FALSE (both languages untouched) when the product
// key cannot be opened.
BOOL ReadInterfaceLanguages();
