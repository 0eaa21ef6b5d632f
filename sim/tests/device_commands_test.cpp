#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fresh_device.h"
#include "script_run.h"

namespace {

// A host folder of the test's own, gone when the test ends.
class DeviceCommandsTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        char pattern[] = "/tmp/pocketsim-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }

    void TearDown() override
    {
        FreshDevice::TearDown();
        std::filesystem::remove_all(folder_);
    }

    std::string Image() const { return (folder_ / "image").string(); }

    std::filesystem::path folder_;
};

}  // namespace

TEST_F(DeviceCommandsTest, AnImageKeepsTheRegistryAndFilesUntilItIsOpenedAgain)
{
    ScriptRun run = RunScript("device new " + Image() +
                              "\n"
                              "reg set HKCU\\SOFTWARE\\Tarvex\\Lexovia FirstPass dword 1\n"
                              "file put \"\\\\My Documents\\\\kept.txt\" kept\n"
                              "device new\n"
                              "reg expect-missing HKCU\\SOFTWARE\\Tarvex\\Lexovia\n"
                              "device open " +
                              Image() +
                              "\n"
                              "reg expect HKCU\\SOFTWARE\\Tarvex\\Lexovia FirstPass dword 1\n"
                              "file expect \"\\\\My Documents\\\\kept.txt\" kept\n"
                              "device new " +
                              Image() +
                              "\n"
                              "reg expect-missing HKCU\\SOFTWARE\\Tarvex\\Lexovia\n"
                              "file expect-missing \"\\\\My Documents\\\\kept.txt\"\n");
    EXPECT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("  a fresh device image in " + Image() + "\n"), std::string::npos) << run.output;
}

TEST_F(DeviceCommandsTest, AFolderThatIsNoImageIsLeftAloneAndTheRunFails)
{
    std::filesystem::create_directories(folder_ / "mine");
    std::ofstream(folder_ / "mine" / "thesis.txt") << "years of work";
    std::string mine = (folder_ / "mine").string();

    ScriptRun run = RunScript("device new " + mine + "\n");
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.errors, "test.txt:1: could not create a device image in " + mine +
                              "; device fault: not a device image and not empty: " + mine + "\n");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "mine" / "thesis.txt"));
}
