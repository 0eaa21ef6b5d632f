#include <gtest/gtest.h>

#include "fresh_device.h"
#include "script_run.h"

using SetupCommandsTest = FreshDevice;

TEST_F(SetupCommandsTest, AnOperationPrintsWhatItReturned)
{
    ScriptRun run = RunScript("reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia AvailableInterfaceLang dword 1049\n"
                              "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia InterfaceLang dword 1049\n"
                              "file pack-container \\Temp\\mui_1.bin interface_files/first\n"
                              "setup call ExtractInterfaceFiles \\Temp\n"
                              "progress expect 0-161 161\n"
                              "setup call DeleteInterfaceFiles\n"
                              "file expect-missing \\Windows\\ceshell.0419.mui\n");
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("> setup call ExtractInterfaceFiles \\Temp\n  ExtractInterfaceFiles returned TRUE\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("> setup call DeleteInterfaceFiles\n  DeleteInterfaceFiles returned TRUE\n"),
              std::string::npos)
        << run.output;
}

TEST_F(SetupCommandsTest, BadCallsAndUnmetExpectationsSayWhatWasWrong)
{
    ExpectFailures({
        {"echo \"never\"\nsetup call DeleteInterfaceFiles now\n",
         "test.txt:2: wrong number of arguments: DeleteInterfaceFiles takes no arguments, got 1\n"},
        {"setup call\n", "test.txt:1: wrong number of arguments: setup call takes OPERATION [ARG...], got 0\n"},
        {"setup call ExtractInterfaceFiles Temp\n",
         "test.txt:1: bad path \"Temp\": device paths start with \\\n"},
        {"progress expect 0-10 5\n",
         "test.txt:1: expected a progress bar at range 0-10, position 5, found none shown\n"},
        {"progress expect 10 5\n", "test.txt:1: bad range \"10\": write LOW-HIGH, such as 0-253\n"},
        {"progress expect 0-x 5\n",
         "test.txt:1: bad number \"x\": write a whole number in decimal, e.g. -12\n"},
    });
}
