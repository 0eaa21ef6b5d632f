// The in-process server libraries that COM loaded: COM holds one reference to
// each until CoFreeUnusedLibraries finds it unused or the device closes.
#pragma once

#include <objbase.h>

namespace platform::com {

void KeepServerLibrary(HMODULE module);

// An exported entry point of a server library, as the type the caller names.
template <typename Function>
Function ServerEntryPoint(HMODULE module, LPCSTR name)
{
    return reinterpret_cast<Function>(GetProcAddress(module, name));
}

void FreeServerLibraries();

}  // namespace platform::com
