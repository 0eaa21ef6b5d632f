#include "resources/resource_id.h"

#include <crtwide.h>
#include <winbase.h>

namespace platform::resources {

namespace {

// "#123" names ordinal 123.
std::optional<WORD> OrdinalFromText(std::u16string_view text)
{
    if (text.size() < 2 || text.size() > 6 || text[0] != u'#') return std::nullopt;
    DWORD ordinal = 0;
    for (char16_t c : text.substr(1)) {
        if (c < u'0' || c > u'9') return std::nullopt;
        ordinal = ordinal * 10 + (c - u'0');
    }
    if (ordinal > 0xFFFF) return std::nullopt;
    return static_cast<WORD>(ordinal);
}

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (towupper(a[i]) != towupper(b[i])) return false;
    return true;
}

}  // namespace

std::optional<ResourceId> ResourceId::FromArgument(LPCWSTR argument)
{
    if (!argument) return std::nullopt;
    if (IS_INTRESOURCE(argument)) return ResourceId{static_cast<WORD>(reinterpret_cast<ULONG_PTR>(argument))};
    std::u16string_view text(argument);
    if (std::optional<WORD> ordinal = OrdinalFromText(text)) return ResourceId{*ordinal};
    return ResourceId{std::u16string(text)};
}

bool ResourceId::Matches(const ResourceId& other) const
{
    if (value.index() != other.value.index()) return false;
    if (const WORD* ordinal = std::get_if<WORD>(&value)) return *ordinal == std::get<WORD>(other.value);
    return SameNameIgnoringCase(std::get<std::u16string>(value), std::get<std::u16string>(other.value));
}

}  // namespace platform::resources
