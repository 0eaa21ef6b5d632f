// Results for machines, read back as a CI system would read them, and the
// screen kept at a failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include <device/clock.h>
#include <device/image.h>

#include "command_families.h"
#include "fresh_device.h"
#include "run_results.h"
#include "scenario_runner.h"

namespace {

class RunResultsTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        // A folder of each test's own: ctest runs the tests of this file side by side.
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("run_results_test_" + std::string(test->name()) + "_" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }

    void TearDown() override
    {
        std::filesystem::remove_all(folder_);
        FreshDevice::TearDown();
    }

    bool Run(const std::string& script)
    {
        transcript_.SendOutputTo(output_);
        transcript_.SendErrorsTo(errors_);
        runner_.WriteFailureScreenTo(folder_ / "failure.png");
        return runner_.Run("results.txt", script, ".");
    }

    std::string Read(const std::string& name)
    {
        std::ifstream file(folder_ / name);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder_;
    std::ostringstream output_, errors_;
    Transcript transcript_;
    ScenarioRunner runner_{StandardCommands(), transcript_};
};

const char kScript[] =
    "echo \"hello\"\n"
    "wait 250\n"
    "reg set HKCU\\T V dword 1\n"
    "reg expect HKCU\\T V dword 2\n"
    "echo \"never\"\n";

TEST_F(RunResultsTest, JsonLinesHoldEveryCommandWithItsOutcomeDurationAndOutput)
{
    EXPECT_FALSE(Run(kScript));
    std::string error;
    ASSERT_TRUE(WriteJsonLines(runner_.Results(), folder_ / "results.jsonl", error)) << error;

    std::istringstream lines(Read("results.jsonl"));
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(objects[0]["command"], "echo \"hello\"");
    EXPECT_EQ(objects[1]["line"], 2);
    EXPECT_EQ(objects[1]["duration_ms"], 250);
    EXPECT_EQ(objects[2]["outcome"], "passed");
    EXPECT_EQ(objects[3]["outcome"], "failed");
    EXPECT_EQ(objects[3]["message"], "HKCU\\T \"V\": expected dword 0x00000002, found dword 0x00000001");
    EXPECT_EQ(objects[4]["outcome"], "skipped");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "failure.png")) << "the screen is kept at a failure";
}

TEST_F(RunResultsTest, JUnitCountsFailuresAndSkipsAndEscapesText)
{
    EXPECT_FALSE(Run(kScript));
    std::string error;
    ASSERT_TRUE(WriteJUnit("a<b>.txt", runner_.Results(), folder_ / "junit.xml", error)) << error;
    std::string xml = Read("junit.xml");
    EXPECT_NE(xml.find("<testsuite name=\"a&lt;b&gt;.txt\" tests=\"5\" failures=\"1\" skipped=\"1\" time=\"0.250\">"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("name=\"4: reg expect HKCU\\T V dword 2\" time=\"0.000\">\n      <failure message=\"HKCU\\T "
                       "&quot;V&quot;: expected"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<skipped/>"), std::string::npos);
}

TEST_F(RunResultsTest, EveryBadLineIsReportedBeforeAnythingRuns)
{
    EXPECT_FALSE(Run("frobnicate\nwait 5\nwait 1 2\nreg\nwait soon\ntap-key 61\nmsgbox answer maybe\n"
                     "reg set HKCU\\T V qword 1\ntap-label Hyper\ntranslit select -1\necho \"open\n"
                     "file put \\Temp\\a.txt @missing.txt\n"));
    std::string errors = errors_.str();
    EXPECT_EQ(errors.substr(0, errors.find("results.txt:5")),
              "results.txt:1: unknown command \"frobnicate\"\n"
              "results.txt:3: wrong number of arguments: wait takes MS, got 2\n"
              "results.txt:4: reg needs one of: set, delete, expect, expect-missing, dump\n");
    for (int line = 5; line <= 10; ++line)
        EXPECT_NE(errors.find("results.txt:" + std::to_string(line) + ": "), std::string::npos) << errors;
    EXPECT_NE(errors.find("results.txt:6: no key 61: keys are numbered 0 to 60\n"), std::string::npos) << errors;
    EXPECT_NE(errors.find("results.txt:9: no key of either keyboard panel shows \"Hyper\"\n"), std::string::npos)
        << errors;
    EXPECT_NE(errors.find("results.txt:11: unterminated string"), std::string::npos) << errors;
    EXPECT_NE(errors.find("results.txt:12: cannot read host file " + std::filesystem::absolute(".").lexically_normal().string() +
                          "missing.txt: it does not exist\n"),
              std::string::npos)
        << errors;
    EXPECT_EQ(device::Now(), 0u) << "nothing ran";
    EXPECT_EQ(runner_.Results().size(), 11u);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "failure.png")) << "no screen to keep when nothing ran";
}

TEST_F(RunResultsTest, APassingRunLeavesNoScreenOfAnEarlierFailure)
{
    EXPECT_FALSE(Run(kScript));
    ASSERT_TRUE(std::filesystem::exists(folder_ / "failure.png"));
    EXPECT_TRUE(Run("echo \"fine\"\n"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "failure.png"));
}

TEST_F(RunResultsTest, AFileThatCannotBeWrittenIsSaidSo)
{
    std::string error;
    EXPECT_FALSE(WriteJsonLines({}, folder_ / "missing" / "results.jsonl", error));
    EXPECT_EQ(error, "cannot write " + (folder_ / "missing" / "results.jsonl").string());
}

}  // namespace
