#include <gtest/gtest.h>

#include "fresh_device.h"
#include "script_run.h"

using RegistryCommandsTest = FreshDevice;

TEST_F(RegistryCommandsTest, ValuesOfEveryTypeAreWrittenAndReadBack)
{
    ScriptRun run = RunScript(
        "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia InterfaceLang dword 1049\n"
        "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia Name sz \"Лексовия\"\n"
        "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia \"\" sz default\n"
        "reg set HKLM\\init Depend50 binary 14 00 1e 00\n"
        "reg set HKCR\\CLSID\\x List multi one \"two words\"\n"
        "reg expect HKCU\\SOFTWARE\\Tarvex\\Lexovia InterfaceLang dword 0x419\n"
        "reg expect hkcu\\software\\tarvex\\lexovia name sz \"\\u041b\\u0435\\u043a\\u0441\\u043e\\u0432\\u0438\\u044f\"\n"
        "reg expect HKEY_CURRENT_USER\\SOFTWARE\\Tarvex\\Lexovia \"\" sz default\n"
        "reg expect HKLM\\init Depend50 binary 14 00 1e 00\n"
        "reg expect HKCR\\CLSID\\x List multi one \"two words\"\n"
        "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia InterfaceLang dword -1\n"
        "reg expect HKCU\\SOFTWARE\\Tarvex\\Lexovia InterfaceLang dword 0xFFFFFFFF\n");
    EXPECT_TRUE(run.passed) << run.errors;
}

TEST_F(RegistryCommandsTest, FailedExpectationsSayWhatWasExpectedAndWhatWasFound)
{
    ExpectFailures({
        {"reg set HKCU\\A N dword 1\nreg expect HKCU\\A N dword 2\n",
         "test.txt:2: HKCU\\A \"N\": expected dword 0x00000002, found dword 0x00000001\n"},
        {"reg set HKCU\\A N dword 1\nreg expect HKCU\\A N sz 1\n",
         "test.txt:2: HKCU\\A \"N\": expected sz \"1\", found dword 0x00000001\n"},
        {"reg set HKCU\\A N dword 1\nreg expect HKCU\\A M dword 1\n",
         "test.txt:2: HKCU\\A \"M\": expected dword 0x00000001, found no such value\n"},
        {"reg expect HKCU\\Nowhere N binary 01\n",
         "test.txt:1: HKCU\\Nowhere \"N\": expected binary 01, found no key HKCU\\Nowhere\n"},
        {"reg set HKCU\\A \"\" sz x\nreg expect HKCU\\A \"\" sz y\n",
         "test.txt:2: HKCU\\A (default): expected sz \"y\", found sz \"x\"\n"},
        {"reg set HKCU\\A N multi a\nreg expect-missing HKCU\\A N\n",
         "test.txt:2: HKCU\\A \"N\": expected no such value, found multi \"a\"\n"},
        {"reg set HKCU\\A N dword 1\nreg expect-missing HKCU\\A\n",
         "test.txt:2: expected no key HKCU\\A, found the key\n"},
    });
}

TEST_F(RegistryCommandsTest, DeleteRemovesAValueOrAKeyWithAllBelowIt)
{
    ScriptRun run = RunScript(
        "reg set HKCU\\A\\B\\C N dword 1\n"
        "reg set HKCU\\A Keep dword 2\n"
        "reg set HKCU\\A Drop dword 3\n"
        "reg delete HKCU\\A Drop\n"
        "reg expect-missing HKCU\\A Drop\n"
        "reg expect HKCU\\A Keep dword 2\n"
        "reg delete HKCU\\A\n"
        "reg expect-missing HKCU\\A\\B\\C\n"
        "reg expect-missing HKCU\\A\n"
        "reg expect-missing HKCU\\A Keep\n");
    EXPECT_TRUE(run.passed) << run.errors;
}

TEST_F(RegistryCommandsTest, RefusesWhatCannotBeDoneAndBadKeys)
{
    ExpectFailures({
        {"reg delete HKCU\\Nowhere\n", "test.txt:1: could not delete HKCU\\Nowhere: ERROR_FILE_NOT_FOUND (2)\n"},
        {"reg set HKCU\\A N dword 1\nreg delete HKCU\\A M\n",
         "test.txt:2: could not delete HKCU\\A \"M\": ERROR_FILE_NOT_FOUND (2)\n"},
        {"reg delete HKLM\n", "test.txt:1: a root key cannot be deleted: HKLM\n"},
        {"reg dump HKLM\\Nowhere\n", "test.txt:1: cannot dump HKLM\\Nowhere: ERROR_FILE_NOT_FOUND (2)\n"},
        {"reg set HKXX\\A N dword 1\n", "test.txt:1: bad key \"HKXX\\A\": it starts with HKLM, HKCU or HKCR\n"},
        {"reg set HKCU\\A\\\\B N dword 1\n",
         "test.txt:1: bad key \"HKCU\\A\\\\B\": a key name between backslashes is empty\n"},
        {"reg dump \"HKLM\\nls\"\n",
         "test.txt:1: bad key \"HKLM\\nls\": it holds a control character; inside quotes write \\\\ for \\\n"},
        {"reg set HKCU\\A N dword 1x\n",
         "test.txt:1: bad number \"1x\": write 0 to 4294967295, or 0x and up to 8 hex digits\n"},
    });
}

TEST_F(RegistryCommandsTest, DumpPrintsTheFreshDevicesKeys)
{
    ScriptRun run = RunScript("reg dump HKLM\\nls\nreg dump\n");
    EXPECT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("DefaultLCID"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Launch50"), std::string::npos) << "a dump without a key shows every root";
}
