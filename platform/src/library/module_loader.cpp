#include "library/module_loader.h"

#include <dlfcn.h>

#include <fstream>
#include <iterator>

#include <device/faults.h>
#include <device/text.h>
#include <winerror.h>

#include "library/embedded_resources.h"
#include "resources/resource_parser.h"

namespace platform::library {

namespace {

// A language resource file holds a few string tables; anything near this
// size is not one.
constexpr std::streamoff kLargestDataFile = 64 << 20;

OpenedModule Failure(DWORD error, const std::string& hostPath, const std::string& what)
{
    return {nullptr, error, hostPath + ": " + what};
}

bool ReadWholeFile(const std::string& hostPath, std::vector<BYTE>& bytes)
{
    std::ifstream file(hostPath, std::ios::binary | std::ios::ate);
    if (!file) return false;
    std::streamoff size = file.tellg();
    if (size < 0 || size > kLargestDataFile) return false;
    bytes.resize(static_cast<size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(reinterpret_cast<char*>(bytes.data()), size));
}

}  // namespace

OpenedModule OpenLibrary(const std::string& hostPath)
{
    void* code = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!code) {
        const char* why = dlerror();
        return Failure(ERROR_BAD_EXE_FORMAT, hostPath, why ? why : "not a loadable library");
    }
    auto module = std::make_unique<LoadedModule>();
    module->hostPath = hostPath;
    module->code = code;
    std::span<const BYTE> embedded = EmbeddedResources(code);
    if (!embedded.empty()) {
        resources::ParsedResources parsed = resources::ParseResources(embedded);
        if (!parsed.error.empty()) {
            dlclose(code);
            return Failure(ERROR_BAD_EXE_FORMAT, hostPath, parsed.error);
        }
        module->resources = std::move(parsed.records);
    }
    return {std::move(module), ERROR_SUCCESS, {}};
}

OpenedModule OpenDataFile(const std::string& hostPath)
{
    auto module = std::make_unique<LoadedModule>();
    module->hostPath = hostPath;
    if (!ReadWholeFile(hostPath, module->fileBytes))
        return Failure(ERROR_BAD_EXE_FORMAT, hostPath, "cannot be read as a resource file");
    resources::ParsedResources parsed = resources::ParseResources(module->fileBytes);
    if (!parsed.error.empty()) return Failure(ERROR_BAD_EXE_FORMAT, hostPath, parsed.error);
    module->resources = std::move(parsed.records);
    return {std::move(module), ERROR_SUCCESS, {}};
}

void CloseModule(LoadedModule& module)
{
    if (!module.code) return;
    dlclose(module.code);
    module.code = nullptr;
    // The device unloads a freed library; a host library that stays (one with
    // unique symbols, or held from elsewhere) would keep its statics for the
    // next load.
    if (void* stillLoaded = dlopen(module.hostPath.c_str(), RTLD_LAZY | RTLD_NOLOAD)) {
        dlclose(stillLoaded);
        device::ReportFault("library " + device::Utf8(module.devicePath) +
                            " stayed loaded on the host after its last FreeLibrary");
    }
}

}  // namespace platform::library
