// The head of a national-language table file: a signature and the table's
// version (platform/README.md, "National-language table").
#pragma once

#include <optional>
#include <string_view>

namespace platform::nls {

// The longest head that can hold a well-formed signature line.
constexpr size_t kNlsHeadSize = 32;

// The version the head of a table file gives, or none when HEAD does not
// begin with a well-formed signature line.
std::optional<unsigned> NlsTableVersion(std::string_view head);

bool IsSupportedNlsVersion(unsigned version);

}  // namespace platform::nls
