#include "library/program_module.h"

#include <dlfcn.h>

#include "library/embedded_resources.h"
#include "resources/resource_parser.h"

namespace platform::library {

const char16_t kProgramPath[] = u"\\Windows\\pocketsim.exe";

// The program does not change while it runs: read once.
const std::vector<resources::ResourceRecord>& ProgramResources()
{
    static const std::vector<resources::ResourceRecord> records = [] {
        void* program = dlopen(nullptr, RTLD_NOW);
        if (!program) return std::vector<resources::ResourceRecord>();
        std::span<const BYTE> embedded = EmbeddedResources(program);
        dlclose(program);
        return embedded.empty() ? std::vector<resources::ResourceRecord>()
                                : resources::ParseResources(embedded).records;
    }();
    return records;
}

}  // namespace platform::library
