#include <gtest/gtest.h>

#include <cstdint>

#include "command_arity.h"
#include "command_table.h"

namespace {

CommandOutcome Nothing(const CommandCall&) { return CommandOutcome::Done(); }

std::optional<std::string> OnlyKnownMethods(std::span<const ScriptWord> args)
{
    if (args[0].text == "keyboard") return std::nullopt;
    return "no input method \"" + args[0].text + "\"";
}

const CommandEntry kSpecs[] = {
    {"reg", "set", "KEY NAME TYPE [VALUE...]", "", Needs::Device, &Nothing},
    {"reg", "dump", "[KEY]", "", Needs::Device, &Nothing},
    {"wait", "", "MS", "", Needs::Nothing, &Nothing},
    {"events", "expect", "", "", Needs::Device, &Nothing, Block::Required},
    {"im", "select", "IM", "", Needs::Device, &Nothing, Block::None, Echo::Command, &OnlyKnownMethods},
    {"install", "", "[PACKAGE]", "", Needs::Device, &Nothing},
    {"install", "expect-installed", "yes|no", "", Needs::Device, &Nothing},
};

CommandTable TestTable()
{
    CommandTable table;
    table.Add(kSpecs);
    return table;
}

ScriptStatement Statement(std::vector<std::string> words, int blockLines = 0)
{
    ScriptStatement statement{{5, false, "", {}}, {}};
    for (std::string& word : words) statement.command.words.push_back({word, false});
    for (int i = 0; i < blockLines; ++i) statement.block.push_back({6 + i, true, "row", {{"row", false}}});
    return statement;
}

}  // namespace

TEST(CommandArityTest, UsageLinesGiveTheArgumentCounts)
{
    struct Case {
        const char* usage;
        size_t least;
        size_t most;
    };
    const Case cases[] = {
        {"", 0, 0},          {"MS", 1, 1},         {"KEY [NAME]", 1, 2},
        {"[KEY]", 0, 1},     {"[TEXT...]", 0, SIZE_MAX}, {"KEY NAME TYPE [VALUE...]", 3, SIZE_MAX},
    };
    for (const Case& c : cases) {
        CommandArity arity = ArityOf(c.usage);
        EXPECT_EQ(arity.least, c.least) << c.usage;
        EXPECT_EQ(arity.most, c.most) << c.usage;
    }
}

TEST(CommandTableTest, FindsCommandsByFamilyAndVerbAndHandsOverTheRest)
{
    CommandTable table = TestTable();
    ScriptStatement set = Statement({"reg", "set", "HKCU\\A", "N", "binary", "01", "02"});
    Parsed<ResolvedCommand, ScriptError> resolved = table.Resolve(set);
    ASSERT_TRUE(resolved) << resolved.error().message;
    EXPECT_EQ(resolved->spec->verb, "set");
    ASSERT_EQ(resolved->args.size(), 5u);
    EXPECT_EQ(resolved->args[0].text, "HKCU\\A");

    ScriptStatement wait = Statement({"wait", "10"});
    resolved = table.Resolve(wait);
    ASSERT_TRUE(resolved) << resolved.error().message;
    EXPECT_EQ(resolved->spec->family, "wait");
    ASSERT_EQ(resolved->args.size(), 1u) << "a command without a verb takes every word after its name";

    resolved = table.Resolve(Statement({"im", "select", "keyboard"}));
    ASSERT_TRUE(resolved) << resolved.error().message;
    EXPECT_EQ(resolved->args.size(), 1u) << "the check sees the arguments only";
}

TEST(CommandTableTest, AFamilyWithACommandOfItsOwnNameStillKnowsItsVerbs)
{
    CommandTable table = TestTable();
    struct Case {
        std::vector<std::string> words;
        const char* verb;
        size_t arguments;
    };
    const Case cases[] = {
        {{"install"}, "", 0},
        {{"install", "hebrew"}, "", 1},
        {{"install", "expect-installed", "yes"}, "expect-installed", 1},
    };
    for (const Case& c : cases) {
        Parsed<ResolvedCommand, ScriptError> resolved = table.Resolve(Statement(c.words));
        ASSERT_TRUE(resolved) << resolved.error().message;
        EXPECT_EQ(resolved->spec->verb, c.verb) << c.words.size();
        EXPECT_EQ(resolved->args.size(), c.arguments) << c.words.size();
    }
    Parsed<ResolvedCommand, ScriptError> tooMany = table.Resolve(Statement({"install", "a", "b"}));
    ASSERT_FALSE(tooMany);
    EXPECT_NE(tooMany.error().message.find("install takes [PACKAGE], got 2"), std::string::npos)
        << tooMany.error().message;
}

TEST(CommandTableTest, RefusesWhatNoCommandTakesAndSaysWhy)
{
    struct Case {
        ScriptStatement statement;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {Statement({"regg", "set"}), 5, "unknown command \"regg\""},
        {Statement({"reg", "sett"}), 5, "unknown command \"reg sett\" (reg takes set, dump)"},
        {Statement({"reg"}), 5, "reg needs one of: set, dump"},
        {Statement({"reg", "set", "K", "N"}), 5,
         "wrong number of arguments: reg set takes KEY NAME TYPE [VALUE...], got 2"},
        {Statement({"reg", "dump", "A", "B"}), 5, "reg dump takes [KEY], got 2"},
        {Statement({"wait"}), 5, "wait takes MS, got 0"},
        {Statement({"wait", "1"}, 2), 6, "wait takes no indented lines below it"},
        {Statement({"events", "expect"}), 5, "events expect needs indented lines below it"},
        {Statement({"events", "expect", "x"}, 1), 5, "events expect takes no arguments, got 1"},
        {Statement({"im", "select", "keybord"}), 5, "no input method \"keybord\""},
        {Statement({"im", "select"}), 5, "im select takes IM, got 0"},
    };
    CommandTable table = TestTable();
    for (const Case& c : cases) {
        Parsed<ResolvedCommand, ScriptError> resolved = table.Resolve(c.statement);
        ASSERT_FALSE(resolved) << c.message;
        EXPECT_EQ(resolved.error().line, c.line) << c.message;
        EXPECT_NE(resolved.error().message.find(c.message), std::string::npos)
            << "expected \"" << c.message << "\" in \"" << resolved.error().message << "\"";
    }
}
