// A library's entry point, called as the platform calls it on load and
// unload; every call is recorded for the driver.
#pragma once

#include "library/loaded_module.h"

namespace platform::library {

// TRUE when the library exports no DllMain.
BOOL CallDllMain(HMODULE handle, const LoadedModule& module, DWORD reason);

void ClearDllMainLog();

}  // namespace platform::library
