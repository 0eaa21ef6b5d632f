#include <gtest/gtest.h>

#include <regex>

#include "fresh_device.h"
#include "script_run.h"

using FileCommandsTest = FreshDevice;

TEST_F(FileCommandsTest, FilesAreWrittenWithTheirFoldersAndReadBack)
{
    ScriptRun run = RunScript(
        "file put \"\\\\My Documents\\\\a.txt\" \"first\"\n"
        "file put \"\\\\My Documents\\\\a.txt\" \"Жук\\n\"\n"
        "file expect \"\\\\My Documents\\\\a.txt\" \"\\u0416ук\\n\"\n"
        "file put \\Temp\\new\\deep\\b.txt \"\"\n"
        "file expect \\Temp\\new\\deep\\b.txt \"\"\n"
        "file put \\Temp\\host.txt @note.txt\n"
        "file expect \\Temp\\host.txt \"Заметка from the host\\n\"\n"
        "file expect \\Temp\\host.txt @note.txt\n"
        "file put \\Temp\\literal.txt \"@note.txt\"\n"
        "file expect \\Temp\\literal.txt \"@note.txt\"\n");
    EXPECT_TRUE(run.passed) << run.errors;
}

TEST_F(FileCommandsTest, FailedExpectationsSayWhatWasExpectedAndWhatWasFound)
{
    ExpectFailures({
        {"file put \\Temp\\a.txt abd\nfile expect \\Temp\\a.txt \"abc\"\n",
         "test.txt:2: \\Temp\\a.txt: expected \"abc\", found \"abd\" (they differ from byte 2)\n"},
        {"file put \\Temp\\a.txt \"ab\\n\"\nfile expect \\Temp\\a.txt ab\n",
         "test.txt:2: \\Temp\\a.txt: expected \"ab\", found \"ab\\n\" (they differ from byte 2)\n"},
        {"file expect \\Temp\\none.txt x\n",
         "test.txt:1: \\Temp\\none.txt: expected \"x\", found no file to read, ERROR_FILE_NOT_FOUND (2)\n"},
        {"file expect-missing \\Windows\n", "test.txt:1: expected no file \\Windows, found a folder\n"},
        {"file put \\Temp\\a.txt x\nfile expect-missing \\temp\\A.TXT\n",
         "test.txt:2: expected no file \\temp\\A.TXT, found a file\n"},
        {"file put Windows\\a.txt x\n", "test.txt:1: bad path \"Windows\\\\a.txt\": device paths start with \\\n"},
        {"file put \"\\\\Temp\\new.txt\" x\n",
         "test.txt:1: bad path \"\\\\Temp\\n" "ew.txt\": it holds a control character; inside quotes write \\\\ for \\\n"},
        {"file put \\Temp\\a.txt @missing.txt\n",
         "test.txt:1: cannot read host file " SIM_TEST_SCENARIOS "/missing.txt: it does not exist\n"},
        {"file put \\Temp\\a.txt @.\n", "test.txt:1: cannot read host file " SIM_TEST_SCENARIOS "/: it is a folder\n"},
    });
}

TEST_F(FileCommandsTest, ExpectMissingPassesForMissingFilesAndFolders)
{
    ScriptRun run = RunScript("file expect-missing \\Temp\\none.txt\nfile expect-missing \\Nowhere\\none.txt\n");
    EXPECT_TRUE(run.passed) << run.errors;
}

TEST_F(FileCommandsTest, ListPrintsEntriesWithAttributesAndSizes)
{
    ScriptRun run = RunScript(
        "file list \"\\\\Windows\\\\Start Menu\\\\Programs\"\n"
        "file list \\Temp\n"
        "file list \"\\\\Windows\\\\Start Menu\\\\*.lnk\"\n");
    ASSERT_TRUE(run.passed) << run.errors;
    auto shows = [&](const char* pattern) { return std::regex_search(run.output, std::regex(pattern)); };
    EXPECT_TRUE(shows("\n  Games {2,}folder\n")) << run.output;
    EXPECT_TRUE(shows("\n  Calculator.lnk {2,}.*  22 bytes\n")) << run.output;
    EXPECT_TRUE(shows("> file list \\\\Temp\n  \\(empty\\)\n")) << run.output;
    EXPECT_TRUE(shows("\n  Notes.lnk {2,}")) << "a pattern lists what it matches: " << run.output;
    EXPECT_FALSE(shows("\n  Programs ")) << "*.lnk matches no folder: " << run.output;

    ScriptRun missing = RunScript("file list \\Nowhere\n");
    EXPECT_FALSE(missing.passed);
    EXPECT_NE(missing.errors.find("test.txt:1: nothing to list at \\Nowhere: "), std::string::npos) << missing.errors;
}

TEST_F(FileCommandsTest, TreePrintsEveryFolderBelowWithItsFilesAndSizes)
{
    ScriptRun empty = RunScript("file tree \\Temp\n");
    EXPECT_NE(empty.output.find("> file tree \\Temp\n  (empty)\n"), std::string::npos) << empty.output;

    ScriptRun run = RunScript(
        "file put \\Temp\\b.txt \"12345\"\n"
        "file put \\Temp\\Deep\\Deeper\\c.txt \"\"\n"
        "file put \\Temp\\a.txt \"x\"\n"
        "file put \\Temp\\Empty\\gone.txt \"\"\n"
        "file tree \\Temp\n"
        "file tree \\Temp\\Deep\\Deeper\\\n");
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("> file tree \\Temp\n"
                              "  a.txt  1 bytes\n"
                              "  b.txt  5 bytes\n"
                              "  Deep\\\n"
                              "    Deeper\\\n"
                              "      c.txt  0 bytes\n"
                              "  Empty\\\n"
                              "    gone.txt  0 bytes\n"
                              "> file tree \\Temp\\Deep\\Deeper\\\n"
                              "  c.txt  0 bytes\n"),
              std::string::npos)
        << run.output;

    ExpectFailures({
        {"file tree \\Nowhere\n", "test.txt:1: no folder at \\Nowhere: ERROR_FILE_NOT_FOUND (2)\n"},
        {"file put \\Temp\\a.txt x\nfile tree \\Temp\\a.txt\n", "test.txt:2: \\Temp\\a.txt is a file, not a folder\n"},
    });
}

TEST_F(FileCommandsTest, PackContainerPacksAHostFolderBesideTheScript)
{
    ScriptRun run = RunScript("file pack-container \\Temp\\Pack\\mui_1.bin interface_files/first\n"
                              "file tree \\Temp\\Pack\n");
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("  2 files packed into 161 bytes\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("  mui_1.bin  161 bytes\n"), std::string::npos) << run.output;

    ExpectFailures({
        {"file pack-container \\Temp\\mui_1.bin interface_files\n",
         "test.txt:1: cannot pack " SIM_TEST_SCENARIOS "/interface_files/first: not a file\n"},
        {"file pack-container \\Temp\\mui_1.bin nowhere\n",
         "test.txt:1: cannot pack " SIM_TEST_SCENARIOS "/nowhere: No such file or directory\n"},
    });
}
