// Case mapping from fixed tables (Unicode's simple mappings), so that it never
// depends on the host's locale. Covers Basic Latin, Latin-1 Supplement, Latin
// Extended-A, Greek and Coptic, and Cyrillic; every other code unit maps to itself.
#include <crtwide.h>

namespace {

// A run of letters whose capitals and small letters are a fixed distance apart.
// Stride 1: COUNT consecutive capitals; stride 2: capitals and small letters
// alternate, each capital followed by its small letter.
struct CaseRun {
    char16_t capital;
    char16_t small;
    char16_t count;
    char16_t stride;
};

constexpr CaseRun kRuns[] = {
    {0x0041, 0x0061, 26, 1},  // A-Z
    {0x00C0, 0x00E0, 23, 1},  // À-Ö
    {0x00D8, 0x00F8, 7, 1},   // Ø-Þ
    {0x0100, 0x0101, 24, 2},  // Ā-Į
    {0x0132, 0x0133, 3, 2},   // Ĳ-Ķ
    {0x0139, 0x013A, 8, 2},   // Ĺ-Ň
    {0x014A, 0x014B, 23, 2},  // Ŋ-Ŷ
    {0x0178, 0x00FF, 1, 1},   // Ÿ
    {0x0179, 0x017A, 3, 2},   // Ź-Ž
    {0x0370, 0x0371, 2, 2},   // Ͱ-Ͳ
    {0x0376, 0x0377, 1, 1},   // Ͷ
    {0x037F, 0x03F3, 1, 1},   // Ϳ
    {0x0386, 0x03AC, 1, 1},   // Ά
    {0x0388, 0x03AD, 3, 1},   // Έ-Ί
    {0x038C, 0x03CC, 1, 1},   // Ό
    {0x038E, 0x03CD, 2, 1},   // Ύ-Ώ
    {0x0391, 0x03B1, 17, 1},  // Α-Ρ
    {0x03A3, 0x03C3, 9, 1},   // Σ-Ϋ
    {0x03CF, 0x03D7, 1, 1},   // Ϗ
    {0x03D8, 0x03D9, 12, 2},  // Ϙ-Ϯ
    {0x03F7, 0x03F8, 1, 1},   // Ϸ
    {0x03F9, 0x03F2, 1, 1},   // Ϲ
    {0x03FA, 0x03FB, 1, 1},   // Ϻ
    {0x03FD, 0x037B, 3, 1},   // Ͻ-Ͽ
    {0x0400, 0x0450, 16, 1},  // Ѐ-Џ
    {0x0410, 0x0430, 32, 1},  // А-Я
    {0x0460, 0x0461, 17, 2},  // Ѡ-Ҁ
    {0x048A, 0x048B, 27, 2},  // Ҋ-Ҿ
    {0x04C0, 0x04CF, 1, 1},   // Ӏ
    {0x04C1, 0x04C2, 7, 2},   // Ӂ-Ӎ
    {0x04D0, 0x04D1, 24, 2},  // Ӑ-Ӿ
};

// Letters whose mapping does not come back: a variant form maps to the
// ordinary letter of the other case, which maps to another letter in turn.
struct OneWay {
    char16_t from;
    char16_t to;
};

constexpr OneWay kOnlyToSmall[] = {
    {0x0130, 0x0069},  // İ -> i
    {0x03F4, 0x03B8},  // ϴ -> θ
};

constexpr OneWay kOnlyToCapital[] = {
    {0x00B5, 0x039C},  // µ -> Μ
    {0x0131, 0x0049},  // ı -> I
    {0x017F, 0x0053},  // ſ -> S
    {0x03C2, 0x03A3},  // ς -> Σ
    {0x03D0, 0x0392},  // ϐ -> Β
    {0x03D1, 0x0398},  // ϑ -> Θ
    {0x03D5, 0x03A6},  // ϕ -> Φ
    {0x03D6, 0x03A0},  // ϖ -> Π
    {0x03F0, 0x039A},  // ϰ -> Κ
    {0x03F1, 0x03A1},  // ϱ -> Ρ
    {0x03F5, 0x0395},  // ϵ -> Ε
};

// Maps C when it lies on a letter of a run that starts at FROM, to the letter
// at the same distance from TO; returns false when C is not on the run.
bool MapInRun(WCHAR c, char16_t from, char16_t to, const CaseRun& run, WCHAR& mapped)
{
    if (c < from) return false;
    unsigned distance = c - from;
    if (distance % run.stride != 0 || distance / run.stride >= run.count) return false;
    mapped = static_cast<WCHAR>(to + distance);
    return true;
}

template <size_t N>
WCHAR MapOneWay(WCHAR c, const OneWay (&table)[N])
{
    for (const OneWay& entry : table) {
        if (entry.from == c) return entry.to;
    }
    return c;
}

}  // namespace

WCHAR towlower(WCHAR c)
{
    WCHAR mapped = c;
    for (const CaseRun& run : kRuns) {
        if (MapInRun(c, run.capital, run.small, run, mapped)) return mapped;
    }
    return MapOneWay(c, kOnlyToSmall);
}

WCHAR towupper(WCHAR c)
{
    WCHAR mapped = c;
    for (const CaseRun& run : kRuns) {
        if (MapInRun(c, run.small, run.capital, run, mapped)) return mapped;
    }
    return MapOneWay(c, kOnlyToCapital);
}
