#include <vector>

#include <device/clock.h>
#include <device/message_log.h>

#include "message_sequence.h"
#include "scripted_window.h"

namespace {

struct Firing {
    UINT id;
    DWORD at;
    bool operator==(const Firing&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Firing& firing)
{
    return out << "timer " << firing.id << " at " << firing.at;
}

}  // namespace

class UserTimerTest : public ScriptedWindows {
protected:
    void SetUp() override
    {
        ScriptedWindows::SetUp();
        window = Create({0, 0, 100, 100});
        WhenFired([](UINT) {});
    }

    // Records each WM_TIMER with the clock as its handler reads it, then runs ALSO.
    void WhenFired(std::function<void(UINT)> also)
    {
        React([this, also](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_TIMER) return std::nullopt;
            fired.push_back({static_cast<UINT>(wParam), GetTickCount()});
            also(static_cast<UINT>(wParam));
            return 0;
        });
    }

    // A fresh device with a fresh window, for the next case of a table.
    void Restart()
    {
        fired.clear();
        SetUp();
    }

    HWND window = nullptr;
    std::vector<Firing> fired;
};

TEST_F(UserTimerTest, OneLongAdvanceFiresEveryPeriodInDueOrderWithTheClockAtEachDueTime)
{
    EXPECT_EQ(SetTimer(window, 1, 300, nullptr), 1u);
    EXPECT_EQ(SetTimer(window, 2, 200, nullptr), 2u);
    EXPECT_EQ(SetTimer(window, 3, 600, nullptr), 3u);
    device::AdvanceClock(1250);
    const std::vector<Firing> expected = {{2, 200}, {1, 300},  {2, 400},  {1, 600},  {2, 600},  {3, 600},
                                          {2, 800}, {1, 900},  {2, 1000}, {1, 1200}, {2, 1200}, {3, 1200}};
    EXPECT_EQ(fired, expected) << "ties go in the order the timers were set";
    EXPECT_EQ(device::Now(), 1250u);
}

TEST_F(UserTimerTest, AdvancingInStepsFiresAtTheSameTimesAsOneAdvance)
{
    SetTimer(window, 7, 100, nullptr);
    device::AdvanceClock(99);
    EXPECT_TRUE(fired.empty()) << "nothing falls due before its time";
    device::AdvanceClock(1);
    device::AdvanceClock(150);
    const std::vector<Firing> expected = {{7, 100}, {7, 200}};
    EXPECT_EQ(fired, expected);
    const ExpectedMessage traffic[] = {{WM_TIMER, kWParam | kLParam, 7, 0, window},
                                       {WM_TIMER, kWParam | kLParam, 7, 0, window}};
    EXPECT_TRUE(MessageLogMatches("each firing is one WM_TIMER with the id", traffic));
}

TEST_F(UserTimerTest, WhatAHandlerKillsOrResetsWithinTheAdvanceFollowsItsNewOrders)
{
    struct Case {
        const char* what;
        std::function<void(HWND, UINT)> onFire;
        std::vector<Firing> expected;
    };
    const Case cases[] = {
        {"timer 1 kills timer 2, due at the same moment",
         [](HWND w, UINT id) {
             if (id == 1) KillTimer(w, 2);
         },
         {{1, 100}, {1, 200}, {1, 300}}},
        {"timer 1 kills itself at its first firing",
         [](HWND w, UINT id) {
             if (id == 1) KillTimer(w, 1);
         },
         {{1, 100}, {2, 100}, {2, 200}, {2, 300}}},
        {"timer 1 restarts timer 2 with a longer period",
         [](HWND w, UINT id) {
             if (id == 1) SetTimer(w, 2, 250, nullptr);
         },
         {{1, 100}, {1, 200}, {1, 300}}},
        {"timer 2 destroys the window",
         [](HWND w, UINT id) {
             if (id == 2) DestroyWindow(w);
         },
         {{1, 100}, {2, 100}}},
        {"the handler sleeps: time passes, nothing is delivered from inside",
         [](HWND, UINT id) {
             if (id == 1) Sleep(50);
         },
         {{1, 100}, {2, 150}, {1, 200}, {2, 250}, {1, 300}, {2, 350}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        Restart();
        WhenFired([&](UINT id) { test.onFire(window, id); });
        SetTimer(window, 1, 100, nullptr);
        SetTimer(window, 2, 100, nullptr);
        device::AdvanceClock(300);
        EXPECT_EQ(fired, test.expected);
        EXPECT_GE(device::Now(), 300u);
    }
}

TEST_F(UserTimerTest, SettingATimerAgainRestartsItAndKillingIsFinal)
{
    SetTimer(window, 1, 300, nullptr);
    device::AdvanceClock(200);
    EXPECT_EQ(SetTimer(window, 1, 300, nullptr), 1u);
    device::AdvanceClock(400);
    EXPECT_EQ(fired, (std::vector<Firing>{{1, 500}})) << "the old period is forgotten";

    EXPECT_TRUE(KillTimer(window, 1));
    SetLastError(0);
    EXPECT_FALSE(KillTimer(window, 1)) << "a timer dies once";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    device::AdvanceClock(1000);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(UserTimerTest, ADestroyedWindowsTimersNeverFire)
{
    HWND child = Create({0, 0, 10, 10}, window);
    SetTimer(child, 1, 100, nullptr);
    SetTimer(window, 2, 100, nullptr);
    DestroyWindow(window);
    device::ClearMessageLog();
    device::AdvanceClock(500);
    EXPECT_TRUE(device::MessageLog().empty()) << "the window and its child took their timers along";
    SetLastError(0);
    EXPECT_FALSE(KillTimer(window, 2));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(UserTimerTest, RefusedTimersSayWhy)
{
    const TIMERPROC procedure = [](HWND, UINT, UINT, DWORD) {};
    const struct {
        const char* what;
        HWND window;
        UINT id;
        TIMERPROC procedure;
        DWORD error;
    } cases[] = {
        {"a window that does not exist", reinterpret_cast<HWND>(0x4321), 1, nullptr, ERROR_INVALID_WINDOW_HANDLE},
        {"a timer procedure, which needs a message loop", window, 1, procedure, ERROR_NOT_SUPPORTED},
        {"a thread timer, without a window", nullptr, 1, nullptr, ERROR_NOT_SUPPORTED},
        {"identifier 0", window, 0, nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        SetLastError(0);
        EXPECT_EQ(SetTimer(test.window, test.id, 100, test.procedure), 0u);
        EXPECT_EQ(GetLastError(), test.error);
    }
}

TEST_F(UserTimerTest, AZeroElapseWaitsTheClocksLeastStep)
{
    SetTimer(window, 1, 0, nullptr);
    device::AdvanceClock(3);
    EXPECT_EQ(fired, (std::vector<Firing>{{1, 1}, {1, 2}, {1, 3}}));
}

TEST_F(UserTimerTest, PaintsAskedForByAHandlerArriveBeforeTheNextTimer)
{
    WhenFired([this](UINT) { InvalidateRect(window, nullptr, FALSE); });
    SetTimer(window, 1, 100, nullptr);
    device::AdvanceClock(200);
    const ExpectedMessage traffic[] = {
        {WM_TIMER, kWParam, 1, 0, window},
        {WM_PAINT, kMessageOnly, 0, 0, window},
        {WM_TIMER, kWParam, 1, 0, window},
        {WM_PAINT, kMessageOnly, 0, 0, window},
    };
    EXPECT_TRUE(MessageLogMatches("the device goes idle between timers", traffic));
}
