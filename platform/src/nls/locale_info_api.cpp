// GetLocaleInfoW for the languages the device knows.
#include <windows.h>

namespace {

struct LanguageAbbreviation {
    LCID locale;
    const WCHAR* abbreviation;
};

// The platform's abbreviations: the language's two letters and the
// sublanguage's letter.
const LanguageAbbreviation kLanguages[] = {
    {1025, u"ARA"}, {1026, u"BGR"}, {1029, u"CSY"}, {1030, u"DAN"}, {1031, u"DEU"}, {1032, u"ELL"},
    {1033, u"ENU"}, {1035, u"FIN"}, {1036, u"FRA"}, {1037, u"HEB"}, {1038, u"HUN"}, {1040, u"ITA"},
    {1041, u"JPN"}, {1043, u"NLD"}, {1044, u"NOR"}, {1045, u"PLK"}, {1048, u"ROM"}, {1049, u"RUS"},
    {1050, u"HRV"}, {1051, u"SKY"}, {1053, u"SVE"}, {1055, u"TRK"}, {1060, u"SLV"}, {1061, u"ETI"},
    {1062, u"LVI"}, {1063, u"LTH"}, {1065, u"FAR"}, {3098, u"SRB"},
};

const WCHAR* AbbreviationOf(LCID locale)
{
    for (const LanguageAbbreviation& language : kLanguages)
        if (language.locale == locale) return language.abbreviation;
    return nullptr;
}

int Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

}  // namespace

int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData)
{
    if (cchData < 0 || (cchData > 0 && !lpLCData)) return Fail(ERROR_INVALID_PARAMETER);
    if (LCType != LOCALE_SABBREVLANGNAME) return Fail(ERROR_INVALID_FLAGS);
    const WCHAR* item = AbbreviationOf(Locale);
    if (!item) return Fail(ERROR_INVALID_PARAMETER);
    int needed = static_cast<int>(wcslen(item)) + 1;
    if (cchData == 0) return needed;
    if (cchData < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    wcscpy(lpLCData, item);
    return needed;
}
