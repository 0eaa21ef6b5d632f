#include "library/embedded_resources.h"

#include "library/own_symbol.h"

namespace platform::library {

std::span<const BYTE> EmbeddedResources(void* code)
{
    const void* bytes = OwnSymbol(code, "lexovia_resources");
    const void* size = OwnSymbol(code, "lexovia_resources_size");
    if (!bytes || !size) return {};
    return {static_cast<const BYTE*>(bytes), *static_cast<const size_t*>(size)};
}

}  // namespace platform::library
