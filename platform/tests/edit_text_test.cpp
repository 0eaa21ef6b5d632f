#include <gtest/gtest.h>

#include "controls/edit_text.h"

namespace {

using platform::controls::EditText;
using Typing = EditText::Typing;

struct TypingCase {
    const char* rule;
    std::u16string_view before;
    int selectStart, selectEnd;  // EM_SETSEL before typing
    size_t limit;                // 0: the default
    char16_t typed;
    Typing result;
    std::u16string_view after;
    size_t caret;
};

const TypingCase kCases[] = {
    {"a character goes in at the caret", u"ac", 1, 1, 0, u'b', Typing::Changed, u"abc", 2},
    {"a character replaces the selection", u"abcd", 1, 3, 0, u'x', Typing::Changed, u"axd", 2},
    {"the selection may run backwards", u"abcd", 3, 1, 0, u'x', Typing::Changed, u"axd", 2},
    {"Backspace deletes before the caret", u"abc", 2, 2, 0, 8, Typing::Changed, u"ac", 1},
    {"Backspace deletes the selection", u"abcd", 0, -1, 0, 8, Typing::Changed, u"", 0},
    {"Backspace at the start does nothing", u"abc", 0, 0, 0, 8, Typing::Ignored, u"abc", 0},
    {"Backspace takes a surrogate pair whole", u"a\U0001F600", 3, 3, 0, 8, Typing::Changed, u"a", 1},
    {"control characters are not text", u"ab", 2, 2, 0, u'\r', Typing::Ignored, u"ab", 2},
    {"Ctrl+Backspace is not text either", u"ab", 2, 2, 0, 0x7F, Typing::Ignored, u"ab", 2},
    {"a character beyond the limit is refused", u"ab", 2, 2, 2, u'c', Typing::Refused, u"ab", 2},
    {"replacing a selection within the limit is fine", u"ab", 0, 1, 2, u'c', Typing::Changed, u"cb", 1},
    {"a text longer than a lowered limit can still shrink", u"abcd", 4, 4, 2, 8, Typing::Changed, u"abc", 3},
    {"-1 keeps the caret and drops the selection", u"abcd", -1, 0, 0, u'x', Typing::Changed, u"xabcd", 1},
    {"an end beyond the text is its end", u"ab", 5, 9, 0, u'c', Typing::Changed, u"abc", 3},
};

TEST(EditTextTest, TypingFollowsThePlatformsSingleLineEdit)
{
    for (const TypingCase& test : kCases) {
        SCOPED_TRACE(test.rule);
        EditText text;
        text.Replace(test.before);
        EXPECT_EQ(text.Caret(), 0u) << "new text leaves the caret at the start";
        text.SetLimit(test.limit);
        text.Select(test.selectStart, test.selectEnd);
        EXPECT_EQ(text.Type(test.typed), test.result);
        EXPECT_EQ(text.Text(), test.after);
        EXPECT_EQ(text.Caret(), test.caret);
        EXPECT_EQ(text.SelectionStart(), text.SelectionEnd()) << "nothing selected after typing";
    }
}

TEST(EditTextTest, TheLimitDefaultsToThePlatformsAndZeroRestoresIt)
{
    EditText text;
    EXPECT_EQ(text.Limit(), EditText::kDefaultLimit);
    text.SetLimit(4);
    EXPECT_EQ(text.Limit(), 4u);
    text.SetLimit(0);
    EXPECT_EQ(text.Limit(), 0x7FFFFFFEu);
    text.Replace(u"a\U0001F600b");
    text.PlaceCaret(2);
    EXPECT_EQ(text.Caret(), 1u) << "the caret never stands inside a surrogate pair";
    text.Select(0, -1);
    EXPECT_EQ(text.SelectionStart(), 0u);
    EXPECT_EQ(text.SelectionEnd(), 4u);
}

}  // namespace
