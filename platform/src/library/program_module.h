// The running program as a module: what a null module handle stands for.
#pragma once

#include <string>
#include <vector>

#include "resources/resource_record.h"

namespace platform::library {

// Where the simulator runs from on the device.
extern const char16_t kProgramPath[];

// The resources built into the running program, if any.
const std::vector<resources::ResourceRecord>& ProgramResources();

}  // namespace platform::library
