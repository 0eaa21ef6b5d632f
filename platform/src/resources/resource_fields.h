// Fields of the platform's binary resource formats, read without ever
// reading outside the bytes given.
#pragma once

#include <cstring>
#include <optional>
#include <span>

#include "resources/resource_id.h"

namespace platform::resources {

template <typename T>
std::optional<T> ReadAt(std::span<const BYTE> bytes, size_t at)
{
    if (at > bytes.size() || bytes.size() - at < sizeof(T)) return std::nullopt;
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

// An ordinal (0xFFFF, then the number) or a zero-terminated name; AT moves
// past it. Nothing is read outside BYTES.
std::optional<ResourceId> ReadId(std::span<const BYTE> bytes, size_t& at);

}  // namespace platform::resources
