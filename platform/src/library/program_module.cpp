#include "library/program_module.h"

#include <dlfcn.h>

#include <utility>

#include "library/embedded_resources.h"
#include "resources/resource_parser.h"

namespace platform::library {

namespace {

std::u16string programPath = u"\\Windows\\pocketsim.exe";

}  // namespace

const std::u16string& ProgramPath() { return programPath; }

void SetProgramPath(std::u16string devicePath) { programPath = std::move(devicePath); }

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
