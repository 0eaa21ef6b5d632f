// The running program as a module: what a null module handle stands for.
#pragma once

#include <string>
#include <vector>

#include "resources/resource_record.h"

namespace platform::library {

// Where the running program lies on the device: the simulator itself, or
// the program a device started in this process.
const std::u16string& ProgramPath();
void SetProgramPath(std::u16string devicePath);

// The resources built into the running program, if any.
const std::vector<resources::ResourceRecord>& ProgramResources();

}  // namespace platform::library
