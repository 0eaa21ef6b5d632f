// The resources behind a module handle, for the resource functions.
#pragma once

#include <vector>

#include <windef.h>

#include "resources/resource_record.h"

namespace platform::library {

// A null handle stands for the running program; a handle of no loaded
// module gives none.
const std::vector<resources::ResourceRecord>* ResourcesOf(HMODULE module);

}  // namespace platform::library
