#include <cerrno>
#include <climits>
#include <string>

#include <device/text.h>
#include <windows.h>

#include "fresh_device.h"

using CrtStringTest = FreshDevice;

namespace {

struct CasePair {
    WCHAR capital;
    WCHAR small;
};

// Both directions hold for each pair.
const CasePair kCasePairs[] = {
    {u'A', u'a'},           {u'Z', u'z'},           {u'\u00C0', u'\u00E0'}, {u'\u00C4', u'\u00E4'},
    {u'\u00D6', u'\u00F6'}, {u'\u00D8', u'\u00F8'}, {u'\u00DE', u'\u00FE'}, {u'\u0178', u'\u00FF'},
    {u'\u0100', u'\u0101'}, {u'\u0139', u'\u013A'}, {u'\u0160', u'\u0161'}, {u'\u017D', u'\u017E'},
    {u'\u0386', u'\u03AC'}, {u'\u038F', u'\u03CE'}, {u'\u0391', u'\u03B1'}, {u'\u03A3', u'\u03C3'},
    {u'\u03A9', u'\u03C9'}, {u'\u03E2', u'\u03E3'}, {u'\u0400', u'\u0450'}, {u'\u0401', u'\u0451'},
    {u'\u040F', u'\u045F'}, {u'\u0410', u'\u0430'}, {u'\u042F', u'\u044F'}, {u'\u0462', u'\u0463'},
    {u'\u0490', u'\u0491'}, {u'\u04C0', u'\u04CF'}, {u'\u04D8', u'\u04D9'},
};

struct OneWayCase {
    WCHAR c;
    WCHAR lower;
    WCHAR upper;
};

// Letters and signs that do not come back, or have no other case.
const OneWayCase kOneWayCases[] = {
    {u'\u00DF', u'\u00DF', u'\u00DF'},  // ß has no single capital
    {u'\u00B5', u'\u00B5', u'\u039C'},  // micro sign
    {u'\u03C2', u'\u03C2', u'\u03A3'},  // final sigma
    {u'\u0130', u'i', u'\u0130'},       // capital I with dot
    {u'\u0131', u'\u0131', u'I'},       // dotless i
    {u'\u00D7', u'\u00D7', u'\u00D7'},  // multiplication sign
    {u'\u00F7', u'\u00F7', u'\u00F7'},  // division sign
    {u'5', u'5', u'5'},
    {u'\u4E2D', u'\u4E2D', u'\u4E2D'},
};

struct CompareCase {
    const WCHAR* a;
    const WCHAR* b;
    int sign;
};

const CompareCase kCaseInsensitive[] = {
    {u"\u041F\u0420\u0418\u0412\u0415\u0422", u"\u043F\u0440\u0438\u0432\u0435\u0442", 0},  // ПРИВЕТ
    {u"\u0401\u0416", u"\u0451\u0436", 0},                                                  // ЁЖ
    {u"\u03A3\u039F\u03A6\u0399\u0391", u"\u03C3\u03BF\u03C6\u03B9\u03B1", 0},              // ΣΟΦΙΑ
    {u"\u00C4\u00D6\u00C5 Start Menu", u"\u00E4\u00F6\u00E5 start menu", 0},
    {u"abc", u"ABD", -1},
    {u"abc", u"AB", 1},
    {u"\u0416", u"\u0436a", -1},
    {u"[", u"a", -1},  // '[' comes after 'A' but before 'a': lower-casing decides
};

struct NumberCase {
    const WCHAR* text;
    long value;
    bool outOfRange;
};

const NumberCase kNumbers[] = {
    {u"123", 123, false},
    {u" \t\n-45x", -45, false},
    {u"+7", 7, false},
    {u"12 34", 12, false},
    {u"abc", 0, false},
    {u"", 0, false},
    {u"- 5", 0, false},
    {u"\uFF15", 0, false},  // a fullwidth digit is no digit here
    {u"2147483647", 2147483647L, false},
    {u"-2147483648", -2147483647L - 1, false},
    {u"2147483648", 2147483647L, true},
    {u"-2147483649", -2147483647L - 1, true},
    {u"99999999999999999999999", 2147483647L, true},
};

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

TEST_F(CrtStringTest, CaseMappingCoversLatinGreekAndCyrillic)
{
    for (const CasePair& pair : kCasePairs) {
        std::string what = device::Utf8(std::u16string{pair.capital, u'/', pair.small});
        EXPECT_EQ(towlower(pair.capital), pair.small) << what;
        EXPECT_EQ(towupper(pair.small), pair.capital) << what;
        EXPECT_EQ(towlower(pair.small), pair.small) << what;
        EXPECT_EQ(towupper(pair.capital), pair.capital) << what;
    }
    for (const OneWayCase& c : kOneWayCases) {
        std::string what = device::Utf8(std::u16string(1, c.c));
        EXPECT_EQ(towlower(c.c), c.lower) << what;
        EXPECT_EQ(towupper(c.c), c.upper) << what;
    }
}

// The tables must agree with themselves: every small letter that a capital
// maps to maps back, apart from the two known one-way capitals.
TEST_F(CrtStringTest, CaseMappingRoundTripsOverEveryCodeUnit)
{
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        WCHAR c = static_cast<WCHAR>(code);
        WCHAR small = towlower(c);
        if (small == c || c == u'\u0130' || c == u'\u03F4') continue;
        EXPECT_EQ(towupper(small), c) << std::hex << code;
    }
}

TEST_F(CrtStringTest, CaseInsensitiveComparisonLowerCasesBothSides)
{
    for (const CompareCase& c : kCaseInsensitive) {
        std::string what = device::Utf8(c.a) + " vs " + device::Utf8(c.b);
        EXPECT_EQ(Sign(_wcsicmp(c.a, c.b)), c.sign) << what;
        EXPECT_EQ(Sign(_wcsicmp(c.b, c.a)), -c.sign) << what;
        EXPECT_EQ(Sign(_wcsnicmp(c.a, c.b, 64)), c.sign) << what;
    }
    EXPECT_EQ(_wcsnicmp(u"LAUNCH51", u"launch07", 6), 0) << "only the first six count";
    EXPECT_EQ(_wcsnicmp(u"abc", u"xyz", 0), 0);
    EXPECT_EQ(_wcsicmp(nullptr, u"a"), INT_MAX) << "a null string is the runtime's comparison error";
    EXPECT_EQ(_wcsnicmp(u"a", nullptr, 1), INT_MAX);
}

TEST_F(CrtStringTest, DecimalTextReadsLeadingDigitsAndClampsToThePlatformsLong)
{
    for (const NumberCase& c : kNumbers) {
        std::string what = "\"" + device::Utf8(c.text) + "\"";
        errno = 0;
        EXPECT_EQ(_wtol(c.text), c.value) << what;
        EXPECT_EQ(errno == ERANGE, c.outOfRange) << what;
        EXPECT_EQ(_wtoi(c.text), static_cast<int>(c.value)) << what;
    }
    EXPECT_EQ(_wtol(nullptr), 0);
}

TEST_F(CrtStringTest, BoundedCopiesPadTerminateAndStayInBounds)
{
    WCHAR buffer[6];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    wcsncpy(buffer, u"ab", 5);
    EXPECT_EQ(std::u16string(buffer, 6), std::u16string(u"ab\0\0\0#", 6)) << "padded with zeros up to count";
    wcsncpy(buffer, u"abcdefgh", 3);
    EXPECT_EQ(std::u16string(buffer, 6), std::u16string(u"abc\0\0#", 6)) << "no terminator when the source is longer";

    WCHAR joined[8] = u"ab";
    joined[7] = u'#';
    EXPECT_EQ(std::u16string(wcsncat(joined, u"cdefgh", 2)), u"abcd");
    EXPECT_EQ(std::u16string(wcscat(joined, u"xy")), u"abcdxy");
    EXPECT_EQ(joined[7], u'#');
    EXPECT_EQ(wcslen(joined), 6u);
    EXPECT_EQ(std::u16string(wcscpy(buffer, u"hello")), u"hello");
}

TEST_F(CrtStringTest, ComparisonsAndSearchesFollowC)
{
    EXPECT_EQ(wcscmp(u"abc", u"abc"), 0);
    EXPECT_LT(wcscmp(u"ab", u"abc"), 0);
    EXPECT_GT(wcscmp(u"\uFFFF", u"a"), 0) << "code units compare unsigned";
    EXPECT_EQ(wcsncmp(u"abcX", u"abcY", 3), 0);
    EXPECT_LT(wcsncmp(u"abcX", u"abcY", 4), 0);
    EXPECT_EQ(wcsncmp(u"ab", u"ab", 10), 0) << "stops at the terminator";

    WCHAR path[] = u"\\Windows\\Start Menu\\x.lnk";
    EXPECT_EQ(wcschr(path, u'S'), path + 9);
    EXPECT_EQ(wcsrchr(path, u'\\'), path + 19);
    EXPECT_EQ(wcschr(path, u'\0'), path + wcslen(path)) << "the terminator can be found";
    EXPECT_EQ(wcsrchr(path, u'\0'), path + wcslen(path));
    EXPECT_EQ(wcschr(path, u'?'), nullptr);
    EXPECT_EQ(wcsrchr(path, u'?'), nullptr);
    EXPECT_EQ(wcsstr(path, u"Menu"), path + 15);
    EXPECT_EQ(wcsstr(path, u""), path);
    EXPECT_EQ(wcsstr(path, u"menu"), nullptr) << "case-sensitive";
    EXPECT_EQ(wcsstr(path, u".lnkx"), nullptr);
    const WCHAR* constant = path;
    EXPECT_EQ(wcsstr(constant, u"x.lnk"), constant + 20);
    const WCHAR* empty = u"";
    EXPECT_EQ(wcsstr(empty, u""), empty);
    EXPECT_EQ(wcsstr(empty, u"a"), nullptr);
}
