// Opening a module's file: a library through the host's dynamic loader (its
// static objects are constructed then), a language resource file as data.
// DllMain is not called here.
#pragma once

#include <memory>
#include <string>

#include "library/loaded_module.h"

namespace platform::library {

struct OpenedModule {
    std::unique_ptr<LoadedModule> module;  // null when the file could not be loaded
    DWORD error = 0;
    std::string failure;  // what went wrong, for the driver
};

OpenedModule OpenLibrary(const std::string& hostPath);

// A data file holds a compiled resource file as it is.
OpenedModule OpenDataFile(const std::string& hostPath);

// Unloads a library's code; a data file has none.
void CloseModule(LoadedModule& module);

}  // namespace platform::library
