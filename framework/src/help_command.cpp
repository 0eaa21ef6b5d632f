#include "help_command.h"

namespace {

const WCHAR kPagePrefix[] = TEXT("\\windows\\pl");
const WCHAR kPageSuffix[] = TEXT(".htm");
const WCHAR kEnglishPage[] = TEXT("plENU.htm");
const int kAbbreviationLength = 4;

struct PageAbbreviation {
    LCID language;
    LPCWSTR abbreviation;
};

// The right-to-left languages' pages are named apart from the platform's
// abbreviations (Persian is PER, not FAR).
const PageAbbreviation kOwnPageNames[] = {
    {1025, TEXT("ARA")},
    {1037, TEXT("HEB")},
    {1065, TEXT("PER")},
};

// False when the platform knows no three-letter abbreviation for LANGUAGE.
bool PageAbbreviationOf(LCID language, WCHAR (&abbreviation)[kAbbreviationLength])
{
    for (const PageAbbreviation& own : kOwnPageNames) {
        if (own.language == language) {
            wcscpy(abbreviation, own.abbreviation);
            return true;
        }
    }
    return GetLocaleInfoW(language, LOCALE_SABBREVLANGNAME, abbreviation, kAbbreviationLength) != 0;
}

void Append(WCHAR (&text)[kHelpPathLength], LPCWSTR tail)
{
    wcsncat(text, tail, kHelpPathLength - 1 - wcslen(text));
}

}  // namespace

bool HelpFileExists(LPCWSTR path)
{
    FILE* file = _wfopen(path, TEXT("r"));
    if (!file) return false;
    fclose(file);
    return true;
}

void BuildHelpCommand(LPCWSTR topic, LCID language, WCHAR (&command)[kHelpPathLength])
{
    WCHAR abbreviation[kAbbreviationLength] = {0};
    WCHAR page[kHelpPathLength] = {0};
    if (PageAbbreviationOf(language, abbreviation)) {
        Append(page, kPagePrefix);
        Append(page, abbreviation);
        Append(page, kPageSuffix);
    }
    if (!page[0] || !HelpFileExists(page)) wcscpy(page, kEnglishPage);
    command[0] = 0;
    Append(command, TEXT("file:"));
    Append(command, page);
    Append(command, TEXT("#"));
    Append(command, topic);
}
