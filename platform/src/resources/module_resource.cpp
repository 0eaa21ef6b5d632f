#include "resources/module_resource.h"

#include <winbase.h>

#include "library/module_resources.h"
#include "resources/resource_handle.h"
#include "resources/resource_lookup.h"

namespace platform::resources {

const ResourceRecord* FindModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    const std::vector<ResourceRecord>* records = library::ResourcesOf(module);
    std::optional<ResourceId> nameId = ResourceId::FromArgument(name);
    std::optional<ResourceId> typeId = ResourceId::FromArgument(type);
    DWORD error = !records                ? ERROR_INVALID_HANDLE
                  : !nameId || !typeId    ? ERROR_INVALID_PARAMETER
                  : records->empty()      ? ERROR_RESOURCE_DATA_NOT_FOUND
                                          : ERROR_SUCCESS;
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return nullptr;
    }
    Lookup found = FindRecord(*records, *typeId, *nameId);
    if (!found.record) SetLastError(found.error);
    return found.record;
}

const ResourceRecord* ModuleResourceOf(HMODULE module, HRSRC handle)
{
    std::optional<size_t> index = RecordIndexOf(module, handle);
    const std::vector<ResourceRecord>* records = index ? library::ResourcesOf(module) : nullptr;
    if (!records || *index >= records->size()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return &(*records)[*index];
}

}  // namespace platform::resources
