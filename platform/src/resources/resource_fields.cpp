#include "resources/resource_fields.h"

namespace platform::resources {

std::optional<ResourceId> ReadId(std::span<const BYTE> bytes, size_t& at)
{
    std::optional<WORD> first = ReadAt<WORD>(bytes, at);
    if (!first) return std::nullopt;
    if (*first == 0xFFFF) {
        std::optional<WORD> ordinal = ReadAt<WORD>(bytes, at + 2);
        if (!ordinal) return std::nullopt;
        at += 4;
        return ResourceId{*ordinal};
    }
    std::u16string name;
    for (std::optional<WORD> c = first; c; c = ReadAt<WORD>(bytes, at)) {
        at += 2;
        if (*c == 0) return ResourceId{name};
        name.push_back(static_cast<char16_t>(*c));
    }
    return std::nullopt;
}

}  // namespace platform::resources
