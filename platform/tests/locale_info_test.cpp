// GetLocaleInfoW(LOCALE_SABBREVLANGNAME): the platform's three-letter
// abbreviations and its buffer conventions.
#include <string>

#include <windows.h>

#include <gtest/gtest.h>

TEST(LocaleInfoTest, EveryLanguageOfThePackageHasItsAbbreviation)
{
    struct Case {
        LCID locale;
        std::u16string abbreviation;
    };
    const Case cases[] = {
        {1025, u"ARA"}, {1026, u"BGR"}, {1029, u"CSY"}, {1030, u"DAN"}, {1031, u"DEU"}, {1032, u"ELL"},
        {1033, u"ENU"}, {1035, u"FIN"}, {1036, u"FRA"}, {1037, u"HEB"}, {1038, u"HUN"}, {1040, u"ITA"},
        {1041, u"JPN"}, {1043, u"NLD"}, {1044, u"NOR"}, {1045, u"PLK"}, {1048, u"ROM"}, {1049, u"RUS"},
        {1050, u"HRV"}, {1051, u"SKY"}, {1053, u"SVE"}, {1055, u"TRK"}, {1060, u"SLV"}, {1061, u"ETI"},
        {1062, u"LVI"}, {1063, u"LTH"}, {1065, u"FAR"}, {3098, u"SRB"},
    };
    for (const Case& c : cases) {
        WCHAR buffer[4] = {u'?', u'?', u'?', u'?'};
        EXPECT_EQ(GetLocaleInfoW(c.locale, LOCALE_SABBREVLANGNAME, buffer, 4), 4) << c.locale;
        EXPECT_EQ(std::u16string(buffer), c.abbreviation) << c.locale;
    }
}

TEST(LocaleInfoTest, FailuresFollowThePlatformsConventions)
{
    struct Case {
        const char* what;
        LCID locale;
        LCTYPE item;
        int count;
        int result;
        DWORD error;
    };
    const Case cases[] = {
        {"a count of 0 asks for the size, terminator included", 1035, LOCALE_SABBREVLANGNAME, 0, 4, 0},
        {"a buffer one short is too small", 1035, LOCALE_SABBREVLANGNAME, 3, 0, ERROR_INSUFFICIENT_BUFFER},
        {"an unknown locale is a bad parameter", 1234, LOCALE_SABBREVLANGNAME, 4, 0, ERROR_INVALID_PARAMETER},
        {"a negative count is a bad parameter", 1035, LOCALE_SABBREVLANGNAME, -1, 0, ERROR_INVALID_PARAMETER},
        {"an item the device does not supply", 1035, 0x0002, 4, 0, ERROR_INVALID_FLAGS},
    };
    for (const Case& c : cases) {
        WCHAR buffer[4] = {u'?', u'?', u'?', u'?'};
        SetLastError(0);
        EXPECT_EQ(GetLocaleInfoW(c.locale, c.item, buffer, c.count), c.result) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
        if (c.result == 0 || c.count == 0) {
            EXPECT_EQ(buffer[0], u'?') << c.what << ": nothing is copied";
        }
    }
    EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SABBREVLANGNAME, nullptr, 4), 0) << "no buffer";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
