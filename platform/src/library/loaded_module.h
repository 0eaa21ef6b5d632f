// A library or language resource file the device has loaded.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

#include "resources/resource_record.h"

namespace platform::library {

struct LoadedModule {
    std::u16string devicePath;  // as GetModuleFileNameW gives it
    std::string hostPath;       // the file in the device image
    void* code = nullptr;       // the host's handle of a library; null for a data file
    std::vector<BYTE> fileBytes;  // a data file's content; its records point into it
    std::vector<resources::ResourceRecord> resources;
    int useCount = 1;
};

}  // namespace platform::library
