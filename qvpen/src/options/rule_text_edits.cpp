#include "rule_text_edits.h"

namespace {

// Where the entry that starts at START ends: after its ";", or at the end
// of the text for a last entry without one.
LPCWSTR EndOfEntry(LPCWSTR start)
{
    LPCWSTR separator = wcschr(start, TEXT(';'));
    return separator ? separator + 1 : start + wcslen(start);
}

// RESULT = TEXT up to FROM, then each of the INSERTED texts, then TEXT from UNTIL on.
bool Splice(LPCWSTR text, LPCWSTR from, LPCWSTR until, LPCWSTR first, LPCWSTR second, OwnedString& result)
{
    size_t before = static_cast<size_t>(from - text);
    size_t firstLength = wcslen(first);
    size_t secondLength = wcslen(second);
    size_t after = wcslen(until);
    result.Resize(before + firstLength + secondLength + after);
    LPWSTR out = result.Buffer();
    if (!out) return false;
    wcsncpy(out, text, before);
    wcsncpy(out + before, first, firstLength);
    wcsncpy(out + before + firstLength, second, secondLength);
    wcsncpy(out + before + firstLength + secondLength, until, after);
    return true;
}

}  // namespace

bool AppendRuleEntry(LPCWSTR text, LPCWSTR entry, OwnedString& result)
{
    size_t length = wcslen(text);
    bool needsSeparator = length > 0 && text[length - 1] != TEXT(';');
    LPCWSTR end = text + length;
    return Splice(text, end, end, needsSeparator ? TEXT(";") : TEXT(""), entry, result);
}

bool RemoveRuleEntry(LPCWSTR text, LPCWSTR start, OwnedString& result)
{
    return Splice(text, start, EndOfEntry(start), TEXT(""), TEXT(""), result);
}

bool ReplaceRuleEntry(LPCWSTR text, LPCWSTR start, LPCWSTR entry, OwnedString& result)
{
    return Splice(text, start, EndOfEntry(start), entry, TEXT(""), result);
}
