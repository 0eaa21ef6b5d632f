// SendMessageW to HWND_BROADCAST: every top-level window hears the message,
// children do not, and the device records it with its time.
#include <device/broadcasts.h>
#include <device/clock.h>
#include <device/message_log.h>

#include <vector>

#include "scripted_window.h"

namespace {

using BroadcastTest = ScriptedWindows;

std::vector<HWND> SettingChangeRecipients()
{
    std::vector<HWND> recipients;
    for (const device::MessageRecord& record : device::MessageLog())
        if (record.message == WM_SETTINGCHANGE) recipients.push_back(record.window);
    return recipients;
}

}  // namespace

TEST_F(BroadcastTest, EveryTopLevelWindowHearsItAndTheDeviceRecordsIt)
{
    HWND shown = Create({0, 0, 100, 100});
    HWND child = Create({0, 0, 50, 50}, shown);
    HWND hidden = Create({0, 100, 100, 200}, nullptr, 0);
    device::AdvanceClock(25);

    EXPECT_EQ(SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, INI_INTL), 1);

    EXPECT_EQ(SettingChangeRecipients(), (std::vector<HWND>{shown, hidden})) << "not the child " << child;
    ASSERT_EQ(device::BroadcastLog().size(), 1u);
    const device::BroadcastRecord& record = device::BroadcastLog()[0];
    EXPECT_EQ(record.time, 25u);
    EXPECT_EQ(record.message, static_cast<UINT>(WM_SETTINGCHANGE));
    EXPECT_EQ(record.wParam, 0u);
    EXPECT_EQ(record.lParam, INI_INTL);
}

TEST_F(BroadcastTest, AWindowDestroyedBeforeItsTurnIsPassedOver)
{
    HWND first = Create({0, 0, 100, 100});
    HWND second = Create({0, 100, 100, 200});
    React([&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == first && message == WM_SETTINGCHANGE) DestroyWindow(second);
        return std::nullopt;
    });

    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, INI_INTL);

    EXPECT_EQ(SettingChangeRecipients(), std::vector<HWND>{first});
    EXPECT_FALSE(IsWindow(second));
}
