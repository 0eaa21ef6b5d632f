#include "rule_walker.h"

#include <cstdio>

namespace {

// What a code that no character can have is read as.
const unsigned int kNoCharacter = 0xFFFFFFFF;

bool IsBlank(WCHAR c) { return c == TEXT(' ') || (c >= TEXT('\t') && c <= TEXT('\r')); }

bool IsHexDigit(WCHAR c)
{
    return (c >= TEXT('0') && c <= TEXT('9')) || (c >= TEXT('a') && c <= TEXT('f')) ||
           (c >= TEXT('A') && c <= TEXT('F'));
}

// Passes over the number that %X reads at AT and tells whether its value
// lies within 0..FFFFFFFF, the range swscanf can hold.
LPCWSTR PassNumber(LPCWSTR at, bool& fits)
{
    while (IsBlank(*at)) ++at;
    bool negative = *at == TEXT('-');
    if (*at == TEXT('-') || *at == TEXT('+')) ++at;
    if (at[0] == TEXT('0') && (at[1] == TEXT('x') || at[1] == TEXT('X'))) at += 2;
    while (*at == TEXT('0')) ++at;
    LPCWSTR significant = at;
    while (IsHexDigit(*at)) ++at;
    fits = at - significant <= 8 && !(negative && at > significant);
    return at;
}

// swscanf keeps only the low 32 bits of a longer number: "100000061" would
// read as 61 and meet the letter a. A code before or as input that does not
// fit is therefore read as one that no character has.
void KeepOutOfRangeCodesUnmatchable(LPCWSTR entry, TranslitRule& rule)
{
    bool fits = true;
    LPCWSTR after = PassNumber(entry, fits);
    if (!fits) rule.previous = kNoCharacter;
    PassNumber(after, fits);
    if (!fits) rule.input = kNoCharacter;
}

bool ReadEntry(LPCWSTR entry, TranslitRule& rule)
{
    if (swscanf(entry, TEXT("%X %X=%X"), &rule.previous, &rule.input, &rule.result) != 3) return false;
    KeepOutOfRangeCodesUnmatchable(entry, rule);
    return true;
}

}  // namespace

void WalkRules(LPCWSTR text, RuleVisitor& visitor)
{
    if (!text) return;
    LPCWSTR position = text;
    for (;;) {
        TranslitRule rule = {};
        if (ReadEntry(position, rule)) visitor.Visit(rule, position);
        LPCWSTR separator = wcschr(position, TEXT(';'));
        if (!separator || separator[1] == 0) return;
        position = separator + 1;
    }
}
