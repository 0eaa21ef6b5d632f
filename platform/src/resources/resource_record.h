// One resource of a binary resource file, as the parser hands it on.
#pragma once

#include <span>

#include "resources/resource_id.h"

namespace platform::resources {

struct ResourceRecord {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    std::span<const BYTE> data;  // inside the bytes that were parsed
};

}  // namespace platform::resources
