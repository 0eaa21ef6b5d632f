// The device's loaded modules behind their handles. A handle is a number
// handed out once (a multiple of 0x10000, as module addresses are), so a
// freed module's handle finds nothing.
#pragma once

#include <memory>
#include <vector>

#include "library/loaded_module.h"

namespace platform::library {

HMODULE AddModule(std::unique_ptr<LoadedModule> module);
LoadedModule* FindModule(HMODULE handle);
std::unique_ptr<LoadedModule> TakeModule(HMODULE handle);

// A module still in use that was loaded from HOST_PATH: a library, or for
// a data file request either kind.
HMODULE FindInUse(const std::string& hostPath, bool dataFileWanted);

// Newest first.
std::vector<HMODULE> ModuleHandles();

}  // namespace platform::library
