#include <gtest/gtest.h>

#include <device/text.h>

namespace {

struct DecodingCase {
    const char* bytes;
    std::u16string text;  // what the device gets
};

// Malformed input must never decode to a character it only resembles.
const DecodingCase kDecodingCases[] = {
    {"\xD0\x9F\xD1\x80\xD0\xB8", u"\u041F\u0440\u0438"},
    {"\xD7\xA9\xD7\x9C", u"\u05E9\u05DC"},
    {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
    {"ab\xC0\x80" "cd", u"ab\xFFFD" "cd"},
    {"\xE0\x80\xAF", u"\xFFFD"},
    {"\xED\xA0\x80", u"\xFFFD"},
    {"\xF4\x90\x80\x80", u"\xFFFD"},
    {"x\xD0", u"x\xFFFD"},
    {"\xD0x", u"\xFFFDx"},
    {"\x80", u"\xFFFD"},
};

TEST(TextTest, DecodesSoundUtf8AndReplacesWhatIsMalformed)
{
    for (const DecodingCase& c : kDecodingCases) EXPECT_EQ(device::Utf16(c.bytes), c.text) << c.bytes;
}

TEST(TextTest, FindsTheFirstZeroByteOrMalformedSequence)
{
    EXPECT_FALSE(device::FindTextFault("\xD0\x9F \xF0\x9F\x98\x80 plain"));
    std::optional<device::TextFault> fault = device::FindTextFault("ab\xC0\x80");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->offset, 2u);
    EXPECT_EQ(fault->what, "an overlong form");
    fault = device::FindTextFault(std::string_view("abc\0", 4));
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->offset, 3u);
    EXPECT_EQ(fault->what, "a zero byte");
}

}  // namespace
