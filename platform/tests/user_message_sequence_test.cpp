#include <windows.h>

#include "fresh_device.h"
#include "message_sequence.h"

using UserMessageSequenceTest = FreshDevice;

TEST_F(UserMessageSequenceTest, AMismatchPrintsBothSequencesAndMarksTheFirstDifferingRow)
{
    WNDCLASSW info = {};
    info.lpfnWndProc = DefWindowProcW;
    info.lpszClassName = TEXT("Plain");
    RegisterClassW(&info);
    HWND window =
        CreateWindowExW(0, TEXT("Plain"), nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(window, WM_USER + 1, 3, 4);

    const ExpectedMessage expected[] = {
        {WM_CREATE, kMessageOnly, 0, 0, window},
        {WM_NULL, kOptional},
        {WM_SIZE, kWParam, SIZE_RESTORED},
        {WM_CLOSE, kMessageOnly},
        {WM_USER + 1, kWParam | kLParam, 3, 4},
    };
    ::testing::AssertionResult result = MessageLogMatches("create and poke", expected);
    ASSERT_FALSE(result);
    std::string report = result.message();
    EXPECT_NE(report.find("sequence \"create and poke\" differs from row 3 on:"), std::string::npos) << report;
    EXPECT_NE(report.find(">   3 WM_CLOSE"), std::string::npos) << "the marked row names both sides:\n" << report;
    EXPECT_NE(report.find("| WM_MOVE w=0x0 l=0x0 to "), std::string::npos) << report;
    EXPECT_NE(report.find("  1 WM_NULL (optional)"), std::string::npos) << "a skipped optional row is shown:\n"
                                                                        << report;
    EXPECT_NE(report.find("| 0x0401 w=0x3 l=0x4"), std::string::npos) << "unnamed messages print as numbers:\n"
                                                                      << report;
    EXPECT_TRUE(device::MessageLog().empty()) << "a comparison consumes the log";

    SendMessageW(window, WM_USER + 1, 3, 4);
    const ExpectedMessage poke[] = {{WM_NULL, kOptional}, {WM_USER + 1, kWParam | kLParam, 3, 4, window}};
    EXPECT_TRUE(MessageLogMatches("poke", poke));
}
