#include "files/name_match.h"

#include <crtwide.h>

namespace platform::files {
namespace {

// The classic single-star backtracking walk: on a mismatch, the last star
// takes one more character.
bool MatchesFolded(std::u16string_view name, std::u16string_view pattern)
{
    size_t n = 0, p = 0;
    size_t starPattern = std::u16string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::u16string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace

std::u16string FoldName(std::u16string_view name)
{
    std::u16string folded(name);
    for (char16_t& unit : folded) unit = towlower(unit);
    return folded;
}

bool SameName(std::u16string_view a, std::u16string_view b) { return FoldName(a) == FoldName(b); }

bool ListsBefore(std::u16string_view a, std::u16string_view b)
{
    std::u16string foldedA = FoldName(a), foldedB = FoldName(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

bool MatchesPattern(std::u16string_view name, std::u16string_view pattern)
{
    std::u16string foldedName = FoldName(name), foldedPattern = FoldName(pattern);
    if (MatchesFolded(foldedName, foldedPattern)) return true;
    std::u16string_view anyExtension = u".*";
    return foldedPattern.ends_with(anyExtension) &&
           MatchesFolded(foldedName, std::u16string_view(foldedPattern).substr(0, foldedPattern.size() - 2));
}

}  // namespace platform::files
