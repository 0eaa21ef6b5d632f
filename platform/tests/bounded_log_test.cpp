#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include <device/bounded_log.h>
#include <device/broadcasts.h>

#include "fresh_device.h"

namespace {

TEST(BoundedLogTest, PastItsLimitTheOldestGoAndAreCounted)
{
    device::BoundedLog<int> log(10);
    for (int i = 0; i < 25; ++i) log.Add(i);
    EXPECT_LE(log.Entries().size(), 10u);
    EXPECT_EQ(log.Dropped() + log.Entries().size(), 25u);
    EXPECT_EQ(log.Entries().front(), static_cast<int>(log.Dropped())) << "the newest are kept, in order";
    EXPECT_EQ(log.Entries().back(), 24);

    log.Clear();
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_EQ(log.Dropped(), 0u);
}

using BoundedRecorderTest = FreshDevice;

TEST_F(BoundedRecorderTest, TheDevicesRecordersKeepTheNewestEntriesOnly)
{
    const UINT message = WM_USER + 7;
    const size_t sent = device::kRecorderLimit + 1;
    for (size_t i = 0; i < sent; ++i) SendMessageW(HWND_BROADCAST, message, i, 0);

    const std::vector<device::BroadcastRecord>& log = device::BroadcastLog();
    EXPECT_LE(log.size(), device::kRecorderLimit);
    EXPECT_EQ(device::BroadcastLogDropped() + log.size(), sent);
    EXPECT_EQ(log.back().wParam, sent - 1);
}

}  // namespace
