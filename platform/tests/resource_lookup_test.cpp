#include <gtest/gtest.h>

#include <windows.h>

#include "resources/resource_lookup.h"
#include "resources/string_table.h"

using platform::resources::FindRecord;
using platform::resources::ResourceId;
using platform::resources::ResourceRecord;

TEST(ResourceIdTest, ArgumentsAreOrdinalsHashNumbersOrNames)
{
    struct Case {
        LPCWSTR argument;
        ResourceId expected;
    };
    const Case cases[] = {
        {MAKEINTRESOURCEW(503), {WORD{503}}},
        {u"#123", {WORD{123}}},
        {u"#65535", {WORD{65535}}},
        {u"#65536", {u"#65536"}},
        {u"#12a", {u"#12a"}},
        {u"#", {u"#"}},
        {u"KeyFace", {u"KEYFACE"}},
    };
    for (const Case& test : cases) {
        std::optional<ResourceId> id = ResourceId::FromArgument(test.argument);
        ASSERT_TRUE(id);
        EXPECT_TRUE(id->Matches(test.expected)) << "argument #" << (&test - cases);
    }
    EXPECT_FALSE(ResourceId::FromArgument(nullptr)) << "a null argument names nothing";
    EXPECT_FALSE(ResourceId{WORD{5}}.Matches({u"#5"})) << "an ordinal never matches a name";
}

TEST(ResourceLookupTest, PrefersNeutralThenUsEnglishThenTheFirstInTheFile)
{
    const WORD russian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
    const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const WORD finnish = 0x040B;
    struct Case {
        std::vector<WORD> languages;  // of the same resource, in file order
        WORD chosen;
    };
    const Case cases[] = {
        {{russian}, russian},
        {{russian, finnish}, russian},
        {{russian, english}, english},
        {{russian, english, neutral}, neutral},
        {{neutral, english}, neutral},
    };
    for (const Case& test : cases) {
        std::vector<ResourceRecord> records;
        for (WORD language : test.languages) records.push_back({{WORD{6}}, {WORD{1}}, language, {}});
        const ResourceRecord* found = FindRecord(records, {WORD{6}}, {WORD{1}}).record;
        ASSERT_TRUE(found);
        EXPECT_EQ(found->language, test.chosen) << "case #" << (&test - cases);
    }
}

TEST(StringTableTest, FindsTheSlotOfTheIdAndNothingInEmptyOrCutSlots)
{
    // Block 2 (ids 16..31): "ab" in slot 0, "c" in slot 2, the rest empty.
    std::vector<BYTE> block = {2, 0, 'a', 0, 'b', 0, 0, 0, 1, 0, 'c', 0};
    for (int slot = 3; slot < 16; ++slot) block.insert(block.end(), {0, 0});
    EXPECT_EQ(platform::resources::StringBlockName(16), 2);
    EXPECT_EQ(platform::resources::StringBlockName(15), 1);
    EXPECT_EQ(platform::resources::StringFromBlock(block, 16), u"ab");
    EXPECT_EQ(platform::resources::StringFromBlock(block, 18), u"c");
    EXPECT_EQ(platform::resources::StringFromBlock(block, 17), std::nullopt) << "empty slot";
    EXPECT_EQ(platform::resources::StringFromBlock(block, 31), std::nullopt) << "empty slot";

    std::vector<BYTE> cut = {5, 0, 'a', 0};
    EXPECT_EQ(platform::resources::StringFromBlock(cut, 16), std::nullopt) << "length past the block's end";
    EXPECT_EQ(platform::resources::StringFromBlock(cut, 18), std::nullopt) << "slot past the block's end";
}
