#include <objbase.h>

#include "fresh_device.h"

namespace {

const CLSID kKeyboard = {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};
const CLSID kFinkeys = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};

}  // namespace

using ComGuidTextTest = FreshDevice;

TEST_F(ComGuidTextTest, TextAndIdentifiersRoundTripInUpperCaseWithBraces)
{
    const struct {
        CLSID clsid;
        const char16_t* text;
    } cases[] = {
        {kKeyboard, u"{42429667-AE04-11D0-A4F8-00AA00A749B9}"},
        {kFinkeys, u"{42112D3E-CDA6-4AAB-931E-CE2104F07C21}"},
        {CLSID{}, u"{00000000-0000-0000-0000-000000000000}"},
        {CLSID{0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
         u"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"},
    };
    for (const auto& test : cases) {
        WCHAR text[39];
        EXPECT_EQ(StringFromGUID2(test.clsid, text, 39), 39);
        EXPECT_EQ(std::u16string(text), test.text);
        CLSID parsed;
        EXPECT_EQ(CLSIDFromString(test.text, &parsed), S_OK);
        EXPECT_EQ(parsed, test.clsid);
    }
    CLSID parsed;
    EXPECT_EQ(CLSIDFromString(u"{42429667-ae04-11d0-a4f8-00aa00a749b9}", &parsed), S_OK) << "lower case is read too";
    EXPECT_EQ(parsed, kKeyboard);
}

TEST_F(ComGuidTextTest, BadTextIsAClassStringErrorAndLeavesANullIdentifier)
{
    const char16_t* badTexts[] = {
        u"",
        u"42429667-AE04-11D0-A4F8-00AA00A749B9",     // no braces
        u"{42429667-AE04-11D0-A4F8-00AA00A749B9",    // no closing brace
        u"{42429667-AE04-11D0-A4F8-00AA00A749B9}x",  // trailing text
        u"{42429667-AE04-11D0-A4F800AA00A749B9}",    // missing dash
        u"{42429667-AE04-11D0-A4F8-00AA00A749BG}",   // not a hex digit
        u"{ 2429667-AE04-11D0-A4F8-00AA00A749B9}",
        u"{42429667+AE04-11D0-A4F8-00AA00A749B9}",
    };
    for (const char16_t* text : badTexts) {
        CLSID parsed = kKeyboard;
        EXPECT_EQ(CLSIDFromString(text, &parsed), CO_E_CLASSSTRING) << "text of length " << std::u16string(text).size();
        EXPECT_EQ(parsed, CLSID{});
    }
    CLSID parsed;
    EXPECT_EQ(CLSIDFromString(nullptr, &parsed), E_INVALIDARG);
    EXPECT_EQ(CLSIDFromString(u"{42429667-AE04-11D0-A4F8-00AA00A749B9}", nullptr), E_INVALIDARG);
}

TEST_F(ComGuidTextTest, ABufferTooSmallForTheTextAndItsTerminatorGetsNothing)
{
    WCHAR text[39] = u"untouched";
    EXPECT_EQ(StringFromGUID2(kKeyboard, text, 38), 0);
    EXPECT_EQ(std::u16string(text), u"untouched");
    EXPECT_EQ(StringFromGUID2(kKeyboard, nullptr, 39), 0);
}
