// The dialogs' language tables: 27 languages in one order, the same controls
// in each row, and the removal question's fallback to English.
#include <gtest/gtest.h>

#include <string>

#include "dialog_texts.h"

namespace {

struct TableShape {
    const char* name;
    const DialogStringTable* rows;
    std::vector<int> controls;  // in the order they are set
};

TEST(DialogTextsTest, EveryTableHas27LanguagesInOneOrderWithTheSameControls)
{
    const TableShape kTables[] = {
        {"options", kOptionsDialogTexts, {1025, 1014, 1015, 1016}},
        {"rule", kRuleDialogTexts, {0, 1023, 1017, 1024, 1}},
        {"messages", kMessageTexts, {1}},
    };
    const LCID kLanguages[kDialogTextRows] = {1049, 1033, 1044, 1035, 1053, 1030, 1048, 1061, 1029,
                                              1055, 1045, 1032, 1026, 1038, 3098, 1050, 1060, 1051,
                                              1062, 1063, 1025, 1065, 1037, 1036, 1031, 1043, 1040};
    for (const TableShape& table : kTables) {
        for (int row = 0; row < kDialogTextRows; ++row) {
            const DialogStringTable& language = table.rows[row];
            EXPECT_EQ(language.language, kLanguages[row]) << table.name << " row " << row;
            ASSERT_EQ(language.pairCount, static_cast<int>(table.controls.size())) << table.name << " row " << row;
            for (int pair = 0; pair < language.pairCount; ++pair) {
                EXPECT_EQ(language.pairs[pair].controlId, table.controls[pair]) << table.name << " row " << row;
                EXPECT_GT(wcslen(language.pairs[pair].text), 0u) << table.name << " row " << row;
            }
        }
    }
}

TEST(DialogTextsTest, RightToLeftTextsAreKeptInTheOrderTheyAreShown)
{
    EXPECT_EQ(std::u16string(kOptionsDialogTexts[22].pairs[1].text), u"ףיסוהל") << "Hebrew Add";
    EXPECT_EQ(std::u16string(kRuleDialogTexts[20].pairs[4].text), u"ﻆﻔﺣ") << "Arabic Save";
}

TEST(DialogTextsTest, TheRemovalQuestionFallsBackToEnglish)
{
    const struct {
        LCID language;
        int id;
        std::u16string expected;
    } kCases[] = {
        {1049, kRemoveRuleQuestion, u"Выделенное правило будет удалено. Продолжить?"},
        {1033, kRemoveRuleQuestion, u"Selected rule will be removed. Are you sure you want to remove it?"},
        {1041, kRemoveRuleQuestion, u"Selected rule will be removed. Are you sure you want to remove it?"},
        {1049, 2, u""},
    };
    for (const auto& one : kCases)
        EXPECT_EQ(std::u16string(MessageText(one.id, one.language)), one.expected) << one.language << "/" << one.id;
}

}  // namespace
