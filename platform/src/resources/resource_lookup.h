// Finding a resource among a module's records, as FindResourceW does.
//
// Where a resource exists in several languages, the choice is: a
// language-neutral one, else the device's interface language (US English),
// else the first in the file.
#pragma once

#include <vector>

#include "resources/resource_record.h"

namespace platform::resources {

struct Lookup {
    const ResourceRecord* record = nullptr;
    DWORD error = 0;  // when none: ERROR_RESOURCE_TYPE_NOT_FOUND or ..._NAME_NOT_FOUND
};

Lookup FindRecord(const std::vector<ResourceRecord>& records, const ResourceId& type, const ResourceId& name);

}  // namespace platform::resources
