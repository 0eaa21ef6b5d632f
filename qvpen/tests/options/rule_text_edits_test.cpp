// What Add, Remove and Change make of a table's text: the entry behind a
// row, the new entry's written form, and everything else left in place.
#include <gtest/gtest.h>

#include <string>

#include "rule_edit_record.h"
#include "rule_rows.h"
#include "rule_text_edits.h"

namespace {

std::u16string Appended(LPCWSTR text, const RuleEditRecord& record)
{
    WCHAR entry[kRuleEntryLength];
    FormatRuleEntry(record, entry);
    OwnedString result;
    EXPECT_TRUE(AppendRuleEntry(text, entry, result));
    return result.Get();
}

std::u16string Removed(LPCWSTR text, int row)
{
    TranslitRule rule = {};
    LPCWSTR start = FindEntryOfRow(text, row, rule);
    if (!start) return u"<no row>";
    OwnedString result;
    EXPECT_TRUE(RemoveRuleEntry(text, start, result));
    return result.Get();
}

// Row ROW changed the way the rule dialog returns it unedited: read into a
// record and written back.
std::u16string Rewritten(LPCWSTR text, int row)
{
    TranslitRule rule = {};
    LPCWSTR start = FindEntryOfRow(text, row, rule);
    if (!start) return u"<no row>";
    WCHAR entry[kRuleEntryLength];
    FormatRuleEntry(RecordOfRule(rule), entry);
    OwnedString result;
    EXPECT_TRUE(ReplaceRuleEntry(text, start, entry, result));
    return result.Get();
}

struct AppendCase {
    const char* what;
    LPCWSTR text;
    RuleEditRecord record;
    std::u16string expected;
};

TEST(RuleTextEditsTest, AddWritesTheEntryAfterTheLastOne)
{
    const AppendCase kCases[] = {
        {"a single-character rule in an empty table", TEXT(""), {0x61, 0, 0x430}, u"0 61=430;"},
        {"a text without a final ; gets one first", TEXT("61 5C=E0"), {0x61, 0, 0x430}, u"61 5C=E0;0 61=430;"},
        {"a text with its final ; gets no second one", TEXT("61 5C=E0;"), {0x61, 0x2F, 0xE1},
         u"61 5C=E0;61 2F=E1;"},
        {"malformed text before stays", TEXT("junk"), {0x61, 0, 0x430}, u"junk;0 61=430;"},
        {"the longest entry", TEXT(""), {0xFFFF, 0xFFFF, 0xFFFF}, u"FFFF FFFF=FFFF;"},
    };
    for (const AppendCase& one : kCases) EXPECT_EQ(Appended(one.text, one.record), one.expected) << one.what;
}

struct RowCase {
    const char* what;
    LPCWSTR text;
    int row;
    std::u16string expected;
};

TEST(RuleTextEditsTest, RemoveTakesOutTheEntryOfTheRow)
{
    const RowCase kCases[] = {
        {"the first row", TEXT("61 5C=E0;0 61=430;"), 0, u"0 61=430;"},
        {"the last row of a text without a final ; leaves the ; before it", TEXT("61 5C=E0;0 61=430"), 1,
         u"61 5C=E0;"},
        {"the only row", TEXT("0 61=430;"), 0, u""},
        {"a malformed entry before the row stays", TEXT("61 5C=E0;junk;0 61=430;0 62=431;"), 1,
         u"61 5C=E0;junk;0 62=431;"},
        {"empty entries before the row stay", TEXT(";;0 61=430;0 62=431;"), 0, u";;0 62=431;"},
        {"a row the text does not have", TEXT("61 5C=E0;junk;"), 1, u"<no row>"},
    };
    for (const RowCase& one : kCases) EXPECT_EQ(Removed(one.text, one.row), one.expected) << one.what;
}

TEST(RuleTextEditsTest, ChangeRewritesOnlyTheEntryOfTheRow)
{
    const RowCase kCases[] = {
        {"written upper-case with its ;, the others kept in order", TEXT("0 61=430;61 5c=e0;0 62=431;"), 1,
         u"0 61=430;61 5C=E0;0 62=431;"},
        {"a last entry without ; gets one", TEXT("0 61=430;0 62=431"), 1, u"0 61=430;0 62=431;"},
        {"the entry behind the row, not the malformed one before it", TEXT("junk;61 5c=e0;0 62=431"), 0,
         u"junk;61 5C=E0;0 62=431"},
        {"leading zeros go", TEXT("0000 0061=0430;"), 0, u"0 61=430;"},
        {"a row the text does not have", TEXT("junk;"), 0, u"<no row>"},
    };
    for (const RowCase& one : kCases) EXPECT_EQ(Rewritten(one.text, one.row), one.expected) << one.what;
}

TEST(RuleTextEditsTest, ARecordHoldsTheRuleAsTheDialogShowsIt)
{
    RuleEditRecord twoCharacter = RecordOfRule({0x61, 0x5C, 0xE0});
    EXPECT_EQ((std::u16string{twoCharacter.mapCode, twoCharacter.andCode, twoCharacter.toCode}), u"a\\à");
    RuleEditRecord single = RecordOfRule({0, 0x61, 0x430});
    EXPECT_EQ((std::u16string{single.mapCode, single.andCode, single.toCode}), (std::u16string{u'a', 0, u'а'}));
}

}  // namespace
