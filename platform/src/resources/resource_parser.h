// The binary resource format the resource compiler writes (.res): a run of
// entries, each a header (data size, header size, type, name, language, ...)
// and its data, every entry starting on a four-byte boundary; the first
// entry is an empty one that marks the format.
#pragma once

#include <string>
#include <vector>

#include "resources/resource_record.h"

namespace platform::resources {

struct ParsedResources {
    std::vector<ResourceRecord> records;  // in file order, the marker left out
    std::string error;                    // empty when the whole file was sound
};

// Reads nothing outside BYTES; on any inconsistency the result holds no
// records and says where and what went wrong.
ParsedResources ParseResources(std::span<const BYTE> bytes);

}  // namespace platform::resources
