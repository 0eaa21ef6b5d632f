#include <gtest/gtest.h>

#include <device/bounded_log.h>
#include <device/sip.h>

#include "fresh_device.h"
#include "script_run.h"

using BoundedLogsTest = FreshDevice;

TEST_F(BoundedLogsTest, EventsPrintSaysHowManyOlderCallsWereDropped)
{
    IIMCallback* callback = device::InputPanelCallback();
    ASSERT_NE(callback, nullptr);
    for (size_t i = 0; i <= device::kRecorderLimit; ++i) callback->SendVirtualKey(VK_SHIFT, 0);

    ScriptRun run = RunScript("events print\n");
    ASSERT_TRUE(run.passed) << run.errors;
    EXPECT_NE(run.output.find("(10000 older calls dropped: the log keeps the newest 100000)\n"), std::string::npos)
        << run.output.substr(0, 300);
}
