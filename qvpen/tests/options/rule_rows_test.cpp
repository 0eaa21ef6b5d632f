// The rows the options page lists: their text, and the entry each stands for.
#include <gtest/gtest.h>

#include <string>

#include "rule_rows.h"
#include "table_choices.h"

namespace {

std::u16string RowOf(const TranslitRule& rule)
{
    WCHAR row[kRuleRowLength];
    FormatRuleRow(rule, row);
    return row;
}

TEST(RuleRowsTest, ARowShowsEachCharacterWithItsCode)
{
    EXPECT_EQ(RowOf({0x61, 0x5C, 0xE0}), u"a (U0061), \\ (U005C) -> à (U00E0)");
    EXPECT_EQ(RowOf({0, 0x61, 0x430}), u"a (U0061) -> а (U0430)");
}

TEST(RuleRowsTest, RowsCountValidEntriesOnly)
{
    LPCWSTR text = TEXT("0 61=430;61 5C;;x;0 62=431");
    TranslitRule rule = {};
    EXPECT_EQ(FindEntryOfRow(text, 0, rule), text);
    EXPECT_EQ(rule.input, 0x61u);
    EXPECT_EQ(FindEntryOfRow(text, 1, rule), text + 18) << "the second valid entry, past three that are not";
    EXPECT_EQ(rule.result, 0x431u);
    EXPECT_EQ(FindEntryOfRow(text, 2, rule), nullptr);
    EXPECT_EQ(FindEntryOfRow(text, -1, rule), nullptr);
    EXPECT_EQ(FindEntryOfRow(nullptr, 0, rule), nullptr);
}

TEST(RuleRowsTest, TheTableListNamesEveryTableOnce)
{
    bool listed[27] = {};
    for (int row = 0; row < kTableChoiceCount; ++row) {
        LONG number = kTableChoices[row];
        ASSERT_TRUE(number >= 0 && number <= 26) << "row " << row;
        EXPECT_FALSE(listed[number]) << "table " << number << " twice";
        listed[number] = true;
    }
    EXPECT_EQ(std::u16string(TableChoiceName(0)), u"None");
    EXPECT_EQ(std::u16string(TableChoiceName(2)), u"User defined 2");
    EXPECT_EQ(std::u16string(TableChoiceName(21)), u"Russian");
    EXPECT_EQ(kTableChoices[21], 4);
    EXPECT_EQ(std::u16string(TableChoiceName(26)), u"Turkish");
}

}  // namespace
