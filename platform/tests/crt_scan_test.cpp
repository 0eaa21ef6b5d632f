#include <string>

#include <device/text.h>
#include <windows.h>

#include "crt_test_support.h"
#include "fresh_device.h"

using CrtScanTest = FreshDevice;

namespace {

constexpr unsigned kUntouched = 0xDEADBEEF;

struct RuleCase {
    const WCHAR* entry;
    int result;
    unsigned values[3];  // kUntouched where nothing may be stored
};

// Rule entries read with "%X %X=%X": valid only when all three are read.
const RuleCase kRuleCases[] = {
    {u"61 5C=E0", 3, {0x61, 0x5C, 0xE0}},
    {u"61 5C=E0;0 61=430;", 3, {0x61, 0x5C, 0xE0}},
    {u"0 61=430", 3, {0, 0x61, 0x430}},
    {u"  61\t5c=e0", 3, {0x61, 0x5C, 0xE0}},
    {u"61 5C= e0", 3, {0x61, 0x5C, 0xE0}},  // a conversion skips white space before it
    {u"1F600 5C=E0", 3, {0x1F600, 0x5C, 0xE0}},
    {u"0x61 0X5c=0xE0", 3, {0x61, 0x5C, 0xE0}},
    {u"123456789 -1=+2", 3, {0x23456789, 0xFFFFFFFF, 2}},  // beyond 32 bits: the low 32 bits
    {u"61 5C", 2, {0x61, 0x5C, kUntouched}},
    {u"61 5C=", 2, {0x61, 0x5C, kUntouched}},
    {u"61  5c = e0", 2, {0x61, 0x5C, kUntouched}},  // '=' is literal: it does not match ' '
    {u"61 5C=zz", 2, {0x61, 0x5C, kUntouched}},
    {u"615C=E0", 1, {0x615C, kUntouched, kUntouched}},
    {u"61 -=E0", 1, {0x61, kUntouched, kUntouched}},
    {u"zz", 0, {kUntouched, kUntouched, kUntouched}},
    {u"", EOF, {kUntouched, kUntouched, kUntouched}},
    {u" \t ", EOF, {kUntouched, kUntouched, kUntouched}},
};

struct NumberCase {
    const WCHAR* format;
    const WCHAR* input;
    int result;
    int values[2];
};

const NumberCase kNumberCases[] = {
    {u"%d", u"  -42x", 1, {-42, 0}},
    {u"%d", u"+7", 1, {7, 0}},
    {u"%d", u"2147483648", 1, {INT32_MIN, 0}},
    {u"%d", u"-", 0, {0, 0}},
    {u"%2X%X", u"1234", 2, {0x12, 0x34}},
    {u"%1X%X", u"0x5", 1, {0, 0}},  // the width stops before the x; "x5" is no number
    {u"%X%X", u"0xg", 1, {0, 0}},   // "0x" alone reads as 0
    {u"%%%X", u"%5", 1, {5, 0}},
    {u"%q%X", u"q5", 1, {5, 0}},  // a character that names no conversion matches itself
    {u"a%X", u"b5", 0, {0, 0}},
    {u"a%X", u"", EOF, {0, 0}},
    {u"%d,%d", u"3,", 1, {3, 0}},
};

}  // namespace

TEST_F(CrtScanTest, RuleEntriesReadAsTheRuntimeReadsThem)
{
    for (const RuleCase& c : kRuleCases) {
        unsigned values[3] = {kUntouched, kUntouched, kUntouched};
        int result = swscanf(c.entry, u"%X %X=%X", &values[0], &values[1], &values[2]);
        std::string what = "\"" + device::Utf8(c.entry) + "\"";
        EXPECT_EQ(result, c.result) << what;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(values[i], c.values[i]) << what << " value " << i;
    }
}

TEST_F(CrtScanTest, NumbersWidthsAndLiteralsFollowTheRuntime)
{
    for (const NumberCase& c : kNumberCases) {
        int values[2] = {0, 0};
        int result = swscanf(c.input, c.format, &values[0], &values[1]);
        std::string what = "\"" + device::Utf8(c.format) + "\" on \"" + device::Utf8(c.input) + "\"";
        EXPECT_EQ(result, c.result) << what;
        EXPECT_EQ(values[0], c.values[0]) << what;
        EXPECT_EQ(values[1], c.values[1]) << what;
    }
}

TEST_F(CrtScanTest, CharactersAreTakenExactlyWhiteSpaceIncluded)
{
    WCHAR c[4] = {0, 0, 0, 0};
    EXPECT_EQ(swscanf(u" x", u"%c", &c[0]), 1);
    EXPECT_EQ(c[0], u' ');
    EXPECT_EQ(swscanf(u"\u0436yz", u"%3c", c), 1);
    EXPECT_EQ(std::u16string(c, 4), std::u16string(u"\u0436yz\0", 4)) << "no terminator is added";
    EXPECT_EQ(swscanf(u"ab", u"%3c", c), EOF) << "the input ends before three characters";
    EXPECT_EQ(c[0], u'\u0436');
}

TEST_F(CrtScanTest, MissingTextAndConversionsThisRuntimeLacks)
{
    unsigned value = 0;
    WCHAR text[8];
    EXPECT_EQ(swscanf(nullptr, u"%X", &value), EOF);
    EXPECT_EQ(swscanf(u"5", nullptr), EOF);
    EXPECT_EQ(swscanf(u"5 abc", u"%X %s", &value, text), 1);
    EXPECT_EQ(value, 5u);
    EXPECT_EQ(TakeFaultsMentioning("%s").size(), 1u);
}
