#include <gtest/gtest.h>

#include "script.h"

TEST(ScriptTest, IndentedLinesFormTheBlockOfTheCommandAbove)
{
    Parsed<Script, ScriptError> script = ReadScript(
        "# heading\n"
        "events expect\n"
        "    down  0x80\n"
        "\n"
        "    # a note inside the table\n"
        "\tup    0x10040\n"
        "wait 10\n");
    ASSERT_TRUE(script) << script.error().message;
    ASSERT_EQ(script->size(), 2u);
    const ScriptStatement& events = (*script)[0];
    EXPECT_EQ(events.command.number, 2);
    ASSERT_EQ(events.block.size(), 2u) << "blank and comment lines do not end or join a block";
    EXPECT_EQ(events.block[0].number, 3);
    EXPECT_EQ(events.block[1].words[1].text, "0x10040");
    EXPECT_TRUE((*script)[1].block.empty());
}

TEST(ScriptTest, TheFirstBadLineIsTheErrorWithItsNumber)
{
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"wait 1\r\nwait 2\r\necho \"open\r\nwait 3\r\n", 3, "unterminated string"},
        {"\n  wait 1\n", 2, "belongs to the command above"},
        {"wait 1\necho \"\\x\"", 2, "unknown escape"},
        {"reg expect HKLM\\init Launch50 sz x\n  \"\xC0\x80\"\n", 2, "byte 4 of the line is not text: an overlong form"},
    };
    for (const Case& c : cases) {
        Parsed<Script, ScriptError> script = ReadScript(c.text);
        ASSERT_FALSE(script) << c.text;
        EXPECT_EQ(script.error().line, c.line) << c.text;
        EXPECT_NE(script.error().message.find(c.message), std::string::npos) << script.error().message;
    }
}

TEST(ScriptTest, AByteOrderMarkBeforeTheFirstCommandIsNotPartOfIt)
{
    Parsed<Script, ScriptError> script = ReadScript("\xEF\xBB\xBFwait 1\n");
    ASSERT_TRUE(script);
    EXPECT_EQ((*script)[0].command.words[0].text, "wait");
}

TEST(ScriptTest, AnEmptyScriptHasNoStatements)
{
    Parsed<Script, ScriptError> script = ReadScript("\n# nothing to do\n\n");
    ASSERT_TRUE(script);
    EXPECT_TRUE(script->empty());
}

TEST(ScriptTest, BlockRowsAreKeptAsWrittenWithTheirOwnQuotingAndEscapes)
{
    Parsed<Script, ScriptError> script = ReadScript(
        "events expect\n"
        "    SendString(\"a#b\\r\\\"\", 4)   # a comment\n"
        "    ? SetImInfo({0, 214, 240, 294}, 0x3)\n"
        "    SendString(\"open, 1)\n");
    ASSERT_FALSE(script);
    EXPECT_EQ(script.error().line, 4) << "a row with an open quote is still refused";

    script = ReadScript(
        "events expect\n"
        "    SendString(\"a#b\\r\\\"\", 4)   # a comment\n"
        "    ? SetImInfo({0, 214, 240, 294}, 0x3)\n");
    ASSERT_TRUE(script) << script.error().message;
    const std::vector<ScriptLine>& rows = (*script)[0].block;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].source, "SendString(\"a#b\\r\\\"\", 4)");
    EXPECT_TRUE(rows[0].words.empty()) << "not written as script words";
    EXPECT_EQ(rows[1].source, "? SetImInfo({0, 214, 240, 294}, 0x3)");
    EXPECT_EQ(rows[1].words.size(), 6u);
}
