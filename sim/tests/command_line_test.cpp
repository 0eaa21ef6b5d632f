// pocketsim's arguments and help.
#include <gtest/gtest.h>

#include <sstream>

#include "command_families.h"
#include "command_line.h"
#include "help_text.h"

namespace {

using Action = CommandLine::Action;

struct ArgumentCase {
    std::vector<std::string> args;
    Action action;
    std::string fileOrProblem;
};

TEST(CommandLineTest, ArgumentsChooseWhatRunsOrSayWhatWasWrong)
{
    const ArgumentCase cases[] = {
        {{}, Action::Demo, ""},
        {{"run", "a.txt"}, Action::Run, "a.txt"},
        {{"help"}, Action::Help, ""},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"shell"}, Action::Shell, ""},
        {{"run", "--junit", "j.xml", "a.txt", "--results", "r.jsonl"}, Action::Run, "a.txt"},
        {{"run", "a.txt", "--results"}, Action::Wrong, "--results needs a FILE to write"},
        {{"run", "--resluts", "r", "a.txt"}, Action::Wrong, "unknown option \"--resluts\" of run"},
        {{"run", "-"}, Action::Shell, "-"},
        {{"run"}, Action::Wrong, "run needs the script FILE to run"},
        {{"run", "a.txt", "b.txt"}, Action::Wrong, "run takes one script FILE, found 2"},
        {{"help", "device"}, Action::Wrong, "help takes no arguments, found \"device\""},
        {{"--verbose"}, Action::Wrong, "unknown option \"--verbose\""},
        {{"demo.txt"}, Action::Wrong, "unknown command \"demo.txt\""},
    };
    for (const ArgumentCase& c : cases) {
        CommandLine line = ParseCommandLine(c.args);
        std::string told = line.action == Action::Wrong ? line.problem : line.scriptFile;
        EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(told, c.fileOrProblem) << testing::PrintToString(c.args);
    }
}

size_t Columns(const std::string& line)
{
    size_t count = 0;
    for (unsigned char c : line)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

TEST(CommandLineTest, HelpFitsEightyColumnsNamesTheExitStatusesAndTheGuide)
{
    std::string help = HelpText(StandardCommands());
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(Columns(line), 80u) << line;
    EXPECT_NE(help.find("exit status: 0 the script (or every shell command) passed, 1 it failed,"), std::string::npos);
    EXPECT_NE(help.find("sim/README.md"), std::string::npos);
    EXPECT_NE(help.find("  reg set KEY NAME TYPE"), std::string::npos);
}

}  // namespace
