// The shell over a pipe: one device throughout, failures reported without
// ending the session, blocks ended by the next command or an empty line.
#include <gtest/gtest.h>

#include <sstream>

#include "command_families.h"
#include "fresh_device.h"
#include "line_input.h"
#include "shell_session.h"

namespace {

struct ShellRun {
    bool passed;
    std::string output;
    std::string errors;
};

ShellRun RunShell(const std::string& lines)
{
    std::istringstream piped(lines);
    StreamLineInput input(piped);
    std::ostringstream output, errors;
    Transcript transcript;
    transcript.SendOutputTo(output);
    transcript.SendErrorsTo(errors);
    bool passed = ShellSession(StandardCommands(), transcript, input).Run(SIM_TEST_SCENARIOS);
    return {passed, output.str(), errors.str()};
}

using ShellSessionTest = FreshDevice;

TEST_F(ShellSessionTest, FailuresAreReportedAndTheSessionGoesOnOnTheSameDevice)
{
    ShellRun run = RunShell(
        "reg set HKCU\\Test Value dword 5\n"
        "reg expect HKCU\\Test Value dword 6\n"
        "frobnicate\n"
        "reg expect HKCU\\Test Value dword 5\n"
        "quit\n"
        "reg expect HKCU\\Test Value dword 7\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors,
              "shell:2: HKCU\\Test \"Value\": expected dword 0x00000006, found dword 0x00000005\n"
              "shell:3: unknown command \"frobnicate\"\n");
    EXPECT_NE(run.output.find("> device new\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("> reg expect HKCU\\Test Value dword 5\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("dword 7"), std::string::npos) << "nothing after quit runs";
}

TEST_F(ShellSessionTest, ABlockEndsAtTheNextCommandOrAnEmptyLine)
{
    const char kKeyboard[] = "im register finkeys\nim select finkeys\nsip show\nevents clear\n";
    ShellRun run = RunShell(std::string(kKeyboard) +
                            "tap-key 19\n"
                            "events expect\n"
                            "  SendCharEvents(0x00, 0x80, 1, \"t\")\n"
                            "  SendCharEvents(0x00, 0x10040, 1, \"t\")\n"
                            "text expect \"t\"\n"
                            "events expect\n"
                            "\n"
                            "text print\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors, "shell:10: events expect needs indented lines below it\n");
    EXPECT_NE(run.output.find("> text print\n  \"t\"\n"), std::string::npos) << run.output;
}

TEST_F(ShellSessionTest, AnEmptySessionPasses)
{
    ShellRun run = RunShell("");
    EXPECT_TRUE(run.passed) << run.errors;
}

}  // namespace
