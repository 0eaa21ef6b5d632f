#include "library/module_resources.h"

#include "library/module_table.h"
#include "library/program_module.h"

namespace platform::library {

const std::vector<resources::ResourceRecord>* ResourcesOf(HMODULE module)
{
    if (!module) return &ProgramResources();
    const LoadedModule* loaded = FindModule(module);
    return loaded ? &loaded->resources : nullptr;
}

}  // namespace platform::library
