// A resource's type or name: an ordinal or a string.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include <windef.h>

namespace platform::resources {

struct ResourceId {
    std::variant<WORD, std::u16string> value;

    // From an API argument: MAKEINTRESOURCE(n), "#n" or a name; null is no id.
    static std::optional<ResourceId> FromArgument(LPCWSTR argument);

    // Names compare without regard to case, as the platform stores them.
    bool Matches(const ResourceId& other) const;
};

}  // namespace platform::resources
