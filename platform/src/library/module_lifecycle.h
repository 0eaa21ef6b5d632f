// Loading and unloading modules: the work behind LoadLibraryW, FreeLibrary
// and the device's closing. Each load of a module counts; the last free
// unloads it.
#pragma once

#include <windef.h>

namespace platform::library {

// Null, with the last error set, when the module cannot be loaded.
HMODULE LoadModule(LPCWSTR name, bool asDataFile);

// False, with ERROR_INVALID_HANDLE, for a handle of no loaded module.
bool ReleaseModule(HMODULE handle);

// The device closes: every module is unloaded, whatever its count.
void UnloadAllModules();

}  // namespace platform::library
