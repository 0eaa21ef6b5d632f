// Finding a resource of a module by handle, for the functions that read
// resources. Failures set the last error as FindResourceW does.
#pragma once

#include <windef.h>

#include "resources/resource_record.h"

namespace platform::resources {

const ResourceRecord* FindModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type);

// The record behind a handle FindResourceW gave out for MODULE.
const ResourceRecord* ModuleResourceOf(HMODULE module, HRSRC handle);

}  // namespace platform::resources
