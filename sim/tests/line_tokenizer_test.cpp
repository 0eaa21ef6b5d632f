#include <gtest/gtest.h>

#include "line_tokenizer.h"

namespace {

// A literal with the zero bytes it holds.
template <size_t N>
constexpr std::string_view Whole(const char (&text)[N])
{
    return std::string_view(text, N - 1);
}

struct TokenizerCase {
    std::string_view line;
    std::vector<ScriptWord> words;  // when the line reads
    const char* error;              // else a part of the error
};

const TokenizerCase kCases[] = {
    {"reg dump HKLM\\nls", {{"reg", false}, {"dump", false}, {"HKLM\\nls", false}}, nullptr},
    {"  \tfile  list\t\"\\\\My Documents\"  ", {{"file", false}, {"list", false}, {"\\My Documents", true}}, nullptr},
    {"echo \"say \\\"hi\\\"\" \"a\\\\b\"", {{"echo", false}, {"say \"hi\"", true}, {"a\\b", true}}, nullptr},
    {"echo \"line\\nnext\\tcell\"", {{"echo", false}, {"line\nnext\tcell", true}}, nullptr},
    {"echo \"\\u0416\\u00e0\"", {{"echo", false}, {"\xD0\x96\xC3\xA0", true}}, nullptr},
    {"echo \"\\uD83D\\uDE00\"", {{"echo", false}, {"\xF0\x9F\x98\x80", true}}, nullptr},
    {"echo \"Привет\"", {{"echo", false}, {"Привет", true}}, nullptr},
    {"reg set K \"\" sz \"\"", {{"reg", false}, {"set", false}, {"K", false}, {"", true}, {"sz", false}, {"", true}},
     nullptr},
    {"echo @note.txt \"@note.txt\"", {{"echo", false}, {"@note.txt", false}, {"@note.txt", true}}, nullptr},
    {"wait 10 # a comment \"with quotes", {{"wait", false}, {"10", false}}, nullptr},
    {"wait 10#comment", {{"wait", false}, {"10", false}}, nullptr},
    {"echo \"# not a comment\"", {{"echo", false}, {"# not a comment", true}}, nullptr},
    {"# only a comment", {}, nullptr},
    {"", {}, nullptr},
    {"wait 10\r", {{"wait", false}, {"10", false}}, nullptr},
    {"echo \"open", {}, "unterminated string"},
    {"echo \"ends in a backslash\\", {}, "unterminated string"},
    {"echo \"bad \\q escape\"", {}, "unknown escape \\q"},
    {"echo \"\\u04\"", {}, "four hex digits"},
    {"echo \"\\u0000\"", {}, "\\u0000 is not allowed"},
    {"echo \"\\uD83D\"", {}, "unpaired surrogate"},
    {"echo \"\\uDE00\"", {}, "unpaired surrogate"},
    {"echo a\"b\"", {}, "a quote inside a word"},
    {"echo \"a\"b", {}, "text right after a closing quote"},
    {"echo \"×©××× ð\"", {{"echo", false}, {"×©××× ð", true}}, nullptr},
    {"reg set HKCU\\Probe \"ab\xC0\x80" "cd\" sz x", {}, "byte 23 of the line is not text: an overlong form"},
    {Whole("reg set HKCU\\Probe \"ab\0cd\" sz x"), {}, "byte 23 of the line is not text: a zero byte"},
    {Whole("echo a # \0 in a comment"), {}, "byte 10 of the line is not text: a zero byte"},
    {"echo \xED\xA0\x80", {}, "byte 6 of the line is not text: a surrogate written in UTF-8"},
    {"echo \xF4\x90\x80\x80", {}, "a code point past U+10FFFF"},
    {"echo \xE0\x80\xAF", {}, "an overlong form"},
    {"echo \xD0", {}, "a character cut short"},
    {"echo \x80", {}, "a continuation byte without a lead byte"},
    {"echo \xFF", {}, "a byte that starts no character"},
};

}  // namespace

TEST(LineTokenizerTest, CutsLinesIntoWordsOrNamesWhatIsWrong)
{
    for (const TokenizerCase& c : kCases) {
        Parsed<ScriptLine> line = TokenizeLine(c.line, 7);
        if (c.error) {
            ASSERT_FALSE(line) << "a line that must not read: " << c.line;
            EXPECT_NE(line.error().find(c.error), std::string::npos)
                << c.line << " must fail with \"" << c.error << "\", got \"" << line.error() << "\"";
            continue;
        }
        ASSERT_TRUE(line) << c.line << ": " << line.error();
        EXPECT_EQ(line->number, 7);
        EXPECT_TRUE(line->words == c.words) << "words of: " << c.line;
    }
}

TEST(LineTokenizerTest, KeepsTheSourceWithoutCommentAndIndentation)
{
    Parsed<ScriptLine> line = TokenizeLine("   reg dump \"HKLM\\\\nls\"   # why  ", 3);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->indented);
    EXPECT_EQ(line->source, "reg dump \"HKLM\\\\nls\"");
    EXPECT_FALSE(TokenizeLine("reg dump", 4)->indented);
}
