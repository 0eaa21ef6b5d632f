#include <gtest/gtest.h>

#include "apps/notes_layout.h"

namespace {

using platform::apps::FirstShownLine;
using platform::apps::LayOutNotes;
using platform::apps::NotesLayout;

// Every character is 10 pixels wide, so a 50-pixel window holds five.
int TenEach(std::u16string_view piece) { return static_cast<int>(piece.size()) * 10; }

std::vector<std::u16string> Lines(std::u16string_view text, const NotesLayout& layout)
{
    std::vector<std::u16string> lines;
    for (const platform::apps::NotesLine& line : layout.lines) lines.emplace_back(text.substr(line.start, line.length));
    return lines;
}

}  // namespace

TEST(NotesLayoutTest, LinesBreakAtLineBreaksAndWrapAtTheWidth)
{
    struct Case {
        const char* what;
        std::u16string text;
        size_t caret;
        std::vector<std::u16string> lines;
        size_t caretLine;
        int caretX;
    };
    const Case cases[] = {
        {"an empty text is one empty line", u"", 0, {u""}, 0, 0},
        {"a short word fits", u"abc", 3, {u"abc"}, 0, 30},
        {"a break starts a line; the caret after it is at its start", u"ab\n", 3, {u"ab", u""}, 1, 0},
        {"words wrap, the space at the break dropped", u"ab cd ef", 8, {u"ab cd", u"ef"}, 1, 20},
        {"the caret within the first line", u"ab cd ef", 1, {u"ab cd", u"ef"}, 0, 10},
        {"a word wider than the window breaks between characters",
         u"abcdefghijkl",
         12,
         {u"abcde", u"fghij", u"kl"},
         2,
         20},
        {"a surrogate pair is never split", u"abcd\U0001F600x", 7, {u"abcd", u"\U0001F600x"}, 1, 30},
    };
    for (const Case& c : cases) {
        NotesLayout layout = LayOutNotes(c.text, c.caret, 50, TenEach);
        EXPECT_EQ(Lines(c.text, layout), c.lines) << c.what;
        EXPECT_EQ(layout.caretLine, c.caretLine) << c.what;
        EXPECT_EQ(layout.caretX, c.caretX) << c.what;
    }
}

TEST(NotesLayoutTest, TheCaretsLineStaysShown)
{
    EXPECT_EQ(FirstShownLine(0, 5), 0u);
    EXPECT_EQ(FirstShownLine(4, 5), 0u) << "the caret on the last line that fits";
    EXPECT_EQ(FirstShownLine(5, 5), 1u) << "one more line scrolls by one";
    EXPECT_EQ(FirstShownLine(12, 5), 8u);
    EXPECT_EQ(FirstShownLine(3, 0), 3u) << "a window too low for a line still shows the caret's";
}
