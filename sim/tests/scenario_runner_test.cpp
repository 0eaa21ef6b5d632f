#include <gtest/gtest.h>

#include <device/clock.h>
#include <device/device.h>

#include "fresh_device.h"
#include "script_run.h"

using ScenarioRunnerTest = FreshDevice;

TEST_F(ScenarioRunnerTest, TranscriptEchoesCommandsIndentsTheirOutputAndCountsThem)
{
    ScriptRun run = RunScript("wait 250   # settle\n\necho \"== heading\"\nwait 0x10\n");
    EXPECT_TRUE(run.passed) << run.errors;
    EXPECT_EQ(run.output,
              "> wait 250\n"
              "  clock at 250 ms\n"
              "== heading\n"
              "> wait 0x10\n"
              "  clock at 266 ms\n"
              "passed: 3 commands\n");
    EXPECT_EQ(device::Now(), 266u);
}

TEST_F(ScenarioRunnerTest, ABadLineStopsTheRunBeforeAnyCommandRuns)
{
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"wait 5\nfrobnicate now\n", "test.txt:2: unknown command \"frobnicate\"\n"},
        {"wait 5\n\necho \"open\n", "test.txt:3: unterminated string: the closing \" is missing\n"},
        {"wait 5\nwait 1 2\n", "test.txt:2: wrong number of arguments: wait takes MS, got 2\n"},
        {"wait 5\nmsgbox shout\n", "test.txt:2: unknown command \"msgbox shout\" (msgbox takes answer, expect, show)\n"},
    };
    for (const Case& c : cases) {
        ScriptRun run = RunScript(c.script);
        EXPECT_FALSE(run.passed) << c.script;
        EXPECT_EQ(run.errors, c.error);
        EXPECT_EQ(run.output, "") << "nothing runs when a line is bad: " << c.script;
    }
    EXPECT_EQ(device::Now(), 0u);
}

TEST_F(ScenarioRunnerTest, AFailingCommandStopsTheRunAtItsLine)
{
    ScriptRun run = RunScript("wait 5\ntap-key 3\nwait 7\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors, "test.txt:2: the current input method is keyboard, not finkeys: \"im select finkeys\" first\n");
    EXPECT_EQ(run.output.find("wait 7"), std::string::npos) << "the run ends at the failure";
    EXPECT_EQ(device::Now(), 5u);
}

TEST_F(ScenarioRunnerTest, ADeviceFaultStopsTheRunAndIsNamed)
{
    ScriptRun run = RunScript("msgbox show \"Format the card?\" \"Storage\" 0x21\necho after\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors,
              "test.txt:1: device fault: unanswered message box \"Format the card?\" (caption \"Storage\")\n");
    EXPECT_NE(run.output.find("  message box \"Format the card?\" \"Storage\" 0x21, answered nobody\n"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("after"), std::string::npos);
}

TEST_F(ScenarioRunnerTest, MessageBoxesAreAnsweredShownAndCheckedInOrder)
{
    ScriptRun run = RunScript(
        "msgbox answer yes\n"
        "msgbox answer cancel\n"
        "msgbox show \"Restart now?\" \"QV Installation\" 0x24\n"
        "msgbox show \"Пауза\" \"\" 0x1\n"
        "msgbox expect \"Restart now?\" \"QV Installation\" 0x24\n"
        "msgbox expect \"\\u041f\\u0430\\u0443\\u0437\\u0430\" \"\" 0x1\n");
    EXPECT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("  message box \"Restart now?\" \"QV Installation\" 0x24, answered yes\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("  message box \"Пауза\" \"\" 0x1, answered cancel\n"), std::string::npos)
        << run.output;
}

TEST_F(ScenarioRunnerTest, MessageBoxExpectationsReportWhatWasExpectedAndWhatWasFound)
{
    ExpectFailures({
        {"msgbox answer ok\nmsgbox show \"A\" \"B\" 0x0\nmsgbox expect \"A\" \"C\" 0x0\n",
         "test.txt:3: expected message box \"A\" \"C\" 0x0, found \"A\" \"B\" 0x0\n"},
        {"msgbox answer ok\nmsgbox show \"A\" \"B\" 0x30\nmsgbox expect \"A\" \"B\" 0x10\n",
         "test.txt:3: expected message box \"A\" \"B\" 0x10, found \"A\" \"B\" 0x30\n"},
        {"msgbox answer ok\nmsgbox show \"A\" \"B\" 0x0\nmsgbox expect \"A\" \"B\" 0x0\nmsgbox expect \"A\" \"B\" 0x0\n",
         "test.txt:4: expected message box \"A\" \"B\" 0x0, found none (every box shown so far has been checked)\n"},
        {"msgbox expect \"A\" \"B\" 24\n", "test.txt:1: bad number \"24\": write 0x and up to 8 hex digits, e.g. 0x24\n"},
        {"msgbox answer maybe\n", "test.txt:1: unknown answer \"maybe\" (answers: ok, cancel, yes, no, abort, retry, ignore)\n"},
    });
}

TEST_F(ScenarioRunnerTest, AnswersNoBoxTookFailTheRunAtTheLineThatQueuedThem)
{
    ScriptRun run = RunScript(
        "msgbox answer ok\n"
        "msgbox answer no\n"
        "msgbox answer yes\n"
        "msgbox show \"Continue?\" \"Setup\" 0x4\n"
        "wait 1\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors,
              "test.txt:2: 2 message box answers were queued and never used: no message box came to take them\n");
    EXPECT_NE(run.output.find("> wait 1"), std::string::npos) << "the check comes after the last command";
}

TEST_F(ScenarioRunnerTest, ReplacingTheDeviceWithAnswersStillQueuedFails)
{
    ScriptRun run = RunScript("msgbox answer ok\ndevice new\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors,
              "test.txt:2: line 1: a message box answer was queued and never used: no message box came to take it\n");
}

TEST_F(ScenarioRunnerTest, CommandsThatNeedADeviceSayWhenNoneIsOpen)
{
    device::Close();
    ScriptRun run = RunScript("wait 1\nreg dump HKLM\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors,
              "test.txt:2: no device is open: start the script with \"device new\" or \"device open FOLDER\"\n");
}
