// Names on the device compare without regard to case, through the runtime's
// towlower on each UTF-16 unit.
#pragma once

#include <string>
#include <string_view>

namespace platform::files {

std::u16string FoldName(std::u16string_view name);

bool SameName(std::u16string_view a, std::u16string_view b);

// Listing order: by folded name, then by exact spelling, so the order never
// depends on the host.
bool ListsBefore(std::u16string_view a, std::u16string_view b);

// A search pattern: * matches any run of characters, ? exactly one; a
// trailing ".*" also matches nothing at all, so "*.*" matches every name and
// "readme.*" matches "readme". A pattern without wildcards matches that name.
bool MatchesPattern(std::u16string_view name, std::u16string_view pattern);

}  // namespace platform::files
