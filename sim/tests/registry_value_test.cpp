#include <gtest/gtest.h>

#include "registry_value.h"

namespace {

std::vector<ScriptWord> Words(std::initializer_list<const char*> texts)
{
    std::vector<ScriptWord> words;
    for (const char* text : texts) words.push_back({text, true});
    return words;
}

Parsed<RegistryValue> Encode(const char* type, std::initializer_list<const char*> values)
{
    std::vector<ScriptWord> words = Words(values);
    return EncodeValue({type, false}, words);
}

}  // namespace

TEST(RegistryValueTest, ScriptValuesBecomeThePlatformsBytesAndReadBackTheSame)
{
    struct Case {
        const char* type;
        std::initializer_list<const char*> values;
        DWORD storedType;
        std::vector<BYTE> bytes;
        const char* described;
    };
    const Case cases[] = {
        {"dword", {"1049"}, REG_DWORD, {0x19, 0x04, 0, 0}, "dword 0x00000419"},
        {"dword", {"0x24"}, REG_DWORD, {0x24, 0, 0, 0}, "dword 0x00000024"},
        {"dword", {"-1"}, REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, "dword 0xFFFFFFFF"},
        {"dword", {"-2147483648"}, REG_DWORD, {0, 0, 0, 0x80}, "dword 0x80000000"},
        {"dword", {"4294967295"}, REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, "dword 0xFFFFFFFF"},
        {"sz", {"Жa"}, REG_SZ, {0x16, 0x04, 'a', 0, 0, 0}, "sz \"Жa\""},
        {"sz", {""}, REG_SZ, {0, 0}, "sz \"\""},
        {"sz", {"a\"\\\n"}, REG_SZ, {'a', 0, '"', 0, '\\', 0, '\n', 0, 0, 0}, "sz \"a\\\"\\\\\\n\""},
        {"binary", {"14", "00", "1e", "F"}, REG_BINARY, {0x14, 0, 0x1e, 0xf}, "binary 14 00 1e 0f"},
        {"binary", {}, REG_BINARY, {}, "binary (no bytes)"},
        {"multi", {"a", "bc"}, REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 'c', 0, 0, 0, 0, 0}, "multi \"a\" \"bc\""},
        {"multi", {"", "b"}, REG_MULTI_SZ, {0, 0, 'b', 0, 0, 0, 0, 0}, "multi \"\" \"b\""},
        {"multi", {}, REG_MULTI_SZ, {0, 0}, "multi"},
    };
    for (const Case& c : cases) {
        Parsed<RegistryValue> value = Encode(c.type, c.values);
        ASSERT_TRUE(value) << c.described << ": " << value.error();
        EXPECT_EQ(value->type, c.storedType) << c.described;
        EXPECT_EQ(value->data, c.bytes) << c.described;
        EXPECT_EQ(DescribeValue(*value), c.described);
    }
}

TEST(RegistryValueTest, BadValuesAreRefusedWithTheReason)
{
    struct Case {
        const char* type;
        std::initializer_list<const char*> values;
        const char* error;
    };
    const Case cases[] = {
        {"dword", {"4294967296"}, "bad number \"4294967296\""},
        {"dword", {"-2147483649"}, "negative numbers go down to -2147483648"},
        {"dword", {"0x1FFFFFFFF"}, "bad number"},
        {"dword", {"12abc"}, "bad number"},
        {"dword", {"0x"}, "bad number"},
        {"dword", {""}, "bad number"},
        {"dword", {"1", "2"}, "dword takes one number"},
        {"dword", {}, "dword takes one number"},
        {"sz", {"a", "b"}, "sz takes one string"},
        {"binary", {"123"}, "bad byte \"123\""},
        {"binary", {"0x1"}, "bad byte"},
        {"binary", {"zz"}, "bad byte"},
        {"qword", {"1"}, "unknown value type \"qword\" (types: dword, sz, binary, multi)"},
    };
    for (const Case& c : cases) {
        Parsed<RegistryValue> value = Encode(c.type, c.values);
        ASSERT_FALSE(value) << c.error;
        EXPECT_NE(value.error().find(c.error), std::string::npos) << "expected " << c.error << ", got " << value.error();
    }
}

TEST(RegistryValueTest, IrregularStoredValuesAreShownAsTheyAre)
{
    struct Case {
        RegistryValue value;
        const char* described;
    };
    const Case cases[] = {
        {{REG_SZ, {'a', 0}}, "sz \"a\" (no terminator)"},
        {{REG_SZ, {'a', 0, 0}}, "sz of 3 bytes: 61 00 00"},
        {{REG_DWORD, {1, 0}}, "dword of 2 bytes: 01 00"},
        {{REG_MULTI_SZ, {'a', 0}}, "multi of 2 bytes: 61 00"},
        {{REG_MULTI_SZ, {'a', 0, 0, 0}}, "multi of 4 bytes: 61 00 00 00"},
        {{REG_DWORD_BIG_ENDIAN, {}}, "type 5 of 0 bytes"},
    };
    for (const Case& c : cases) EXPECT_EQ(DescribeValue(c.value), c.described);
}
