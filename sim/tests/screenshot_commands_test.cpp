#include <gtest/gtest.h>

#include <filesystem>

#include <device/screen.h>
#include <device/sip.h>

#include "fresh_device.h"
#include "script_run.h"

using ScreenshotCommandsTest = FreshDevice;

TEST_F(ScreenshotCommandsTest, TheWholeScreenAndThePanelAloneAreWrittenAsTheScreenShowsThem)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "screenshot_commands_test";
    std::filesystem::create_directories(folder);
    std::string screen = (folder / "screen.png").string(), panel = (folder / "panel.png").string();
    ScriptRun run = RunScript("sip show\nscreenshot \"" + screen + "\"\nscreenshot sip \"" + panel + "\"\n");
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("wrote " + panel + " (240 x 80)"), std::string::npos) << run.output;

    device::Image written;
    std::string error;
    ASSERT_TRUE(device::LoadPng(screen, written, error)) << error;
    EXPECT_TRUE(written.pixels == device::CaptureScreen().pixels) << "the file holds the screen";
    ASSERT_TRUE(device::LoadPng(panel, written, error)) << error;
    EXPECT_TRUE(written.pixels == device::CaptureScreenRect(device::InputPanelRect()).pixels)
        << "the file holds the panel";
    std::filesystem::remove_all(folder);
}

TEST_F(ScreenshotCommandsTest, RefusalsSayWhatCouldNotBeTaken)
{
    ExpectFailures({
        {"screenshot sip panel.png\n", "test.txt:1: the input panel is not shown: there is nothing of it to take\n"},
        {"screenshot panel panel.png\n", "test.txt:1: write \"sip\" or nothing before the file, not \"panel\"\n"},
        {"screenshot no-such-folder/screen.png\n",
         "test.txt:1: could not write no-such-folder/screen.png: No such file or directory\n"},
    });
}
