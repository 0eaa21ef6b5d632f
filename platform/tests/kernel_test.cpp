#include <device/clock.h>
#include <device/dialogs.h>
#include <device/message_boxes.h>
#include <windows.h>

#include "fresh_device.h"

using KernelTest = FreshDevice;

TEST_F(KernelTest, SleepAndTheDriverMoveTheSameVirtualClock)
{
    DWORD start = GetTickCount();
    Sleep(50);
    device::AdvanceClock(1000);
    EXPECT_EQ(GetTickCount() - start, 1050u);
    EXPECT_EQ(device::Now(), GetTickCount());
}

TEST_F(KernelTest, MessageBoxesTakeQueuedAnswersInOrderAndAreRecorded)
{
    device::QueueMessageBoxAnswer(IDYES);
    device::QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("Restart now?"), TEXT("QV Installation"), MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("Second"), nullptr, MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);

    const auto& log = device::MessageBoxLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, u"Restart now?");
    EXPECT_EQ(log[0].caption, u"QV Installation");
    EXPECT_EQ(log[0].style, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(log[1].caption, u"");
    EXPECT_EQ(log[1].answer, IDCANCEL);
}

TEST_F(KernelTest, UnansweredMessageBoxFailsAndNamesItselfAsAFault)
{
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("Registry error 2"), TEXT("QV Installation"), MB_OK), 0);
    std::vector<std::string> faults = device::TakeFaults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("Registry error 2"), std::string::npos) << faults[0];
    EXPECT_EQ(device::MessageBoxLog().size(), 1u);
}

// A person at the device answers a box after seeing it: the box asks the
// user's hand until an answer is queued, and shows itself as waiting meanwhile.
TEST_F(KernelTest, AMessageBoxWaitingForTheUserAsksTheHandUntilAnswered)
{
    device::SetMessageBoxesWaitForUser(true);
    std::vector<std::u16string> seen;
    int actions = 0;
    device::SetUserHand([&](HWND owner) {
        EXPECT_EQ(owner, nullptr);
        const device::MessageBoxRecord* waiting = device::WaitingMessageBox();
        seen.push_back(waiting ? waiting->text : u"none");
        if (++actions == 2) device::QueueMessageBoxAnswer(IDNO);
        return true;
    });
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("Save changes?"), TEXT("Notes"), MB_YESNO), IDNO);
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"Save changes?", u"Save changes?"}));
    EXPECT_EQ(device::WaitingMessageBox(), nullptr);

    // A hand with nothing more to do leaves the box unanswered, as before.
    device::SetUserHand([](HWND) { return false; });
    EXPECT_EQ(MessageBoxW(nullptr, TEXT("Registry error 2"), TEXT("QV Installation"), MB_OK), 0);
    EXPECT_EQ(device::TakeFaults().size(), 1u);
    EXPECT_EQ(device::WaitingMessageBox(), nullptr);

    device::SetUserHand({});
    device::SetMessageBoxesWaitForUser(false);
}
