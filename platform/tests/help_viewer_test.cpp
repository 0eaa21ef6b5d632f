// The platform's help viewer "peghelp": started by CreateProcessW, it opens
// its "PegHelp" window on the page it was given and closes on WM_DESTROY.
#include <device/boot.h>
#include <device/help_viewer.h>
#include <device/processes.h>
#include <windows.h>

#include <string>

#include "fresh_device.h"

namespace {

class HelpViewerTest : public FreshDevice {
protected:
    static BOOL Start(std::u16string commandLine)
    {
        PROCESS_INFORMATION info = {};
        BOOL started = CreateProcessW(u"peghelp", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      nullptr, &info);
        if (started) {
            EXPECT_EQ(WaitForSingleObject(info.hProcess, 1000), WAIT_OBJECT_0);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
        return started;
    }
};

const std::u16string kFinnishKeyboardPage = u"file:\\windows\\plFIN.htm#keyboard";
const std::u16string kEnglishKeyboardPage = u"file:plENU.htm#keyboard";

}  // namespace

TEST_F(HelpViewerTest, StartedItOpensItsWindowOnThePageItWasGiven)
{
    EXPECT_FALSE(device::HelpViewerRunning());
    EXPECT_EQ(device::LastHelpCommand(), u"");

    ASSERT_TRUE(Start(kFinnishKeyboardPage));
    HWND viewer = FindWindowW(u"PegHelp", nullptr);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(IsWindowVisible(viewer));
    EXPECT_TRUE(device::HelpViewerRunning());
    EXPECT_EQ(device::LastHelpCommand(), kFinnishKeyboardPage);
    ASSERT_FALSE(device::ProgramLaunches().empty());
    EXPECT_EQ(device::ProgramLaunches().back().program, u"\\Windows\\peghelp.exe");
}

TEST_F(HelpViewerTest, WmDestroySentToItsWindowClosesIt)
{
    ASSERT_TRUE(Start(kFinnishKeyboardPage));
    HWND viewer = FindWindowW(u"PegHelp", nullptr);
    SendMessageW(viewer, WM_DESTROY, 0, 0);
    EXPECT_FALSE(IsWindow(viewer));
    EXPECT_FALSE(device::HelpViewerRunning());
    EXPECT_EQ(device::LastHelpCommand(), kFinnishKeyboardPage) << "the last page stays known";
}

TEST_F(HelpViewerTest, AStartWhileItRunsShowsTheNewPageInTheSameWindow)
{
    ASSERT_TRUE(Start(kFinnishKeyboardPage));
    HWND viewer = FindWindowW(u"PegHelp", nullptr);
    ASSERT_TRUE(Start(kEnglishKeyboardPage));
    EXPECT_EQ(FindWindowW(u"PegHelp", nullptr), viewer);
    EXPECT_EQ(device::HelpViewerStarts(), (std::vector<std::u16string>{kFinnishKeyboardPage, kEnglishKeyboardPage}));
    EXPECT_EQ(device::LastHelpCommand(), kEnglishKeyboardPage);
}

TEST_F(HelpViewerTest, ARestartEndsItAndForgetsItsPages)
{
    ASSERT_TRUE(Start(kFinnishKeyboardPage));
    device::Restart();
    EXPECT_FALSE(device::HelpViewerRunning());
    EXPECT_TRUE(device::HelpViewerStarts().empty());
}

TEST_F(HelpViewerTest, ADeviceWithoutItCannotStartIt)
{
    device::RemoveHelpViewer();
    EXPECT_FALSE(Start(kFinnishKeyboardPage));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(device::HelpViewerStarts().empty());
}
