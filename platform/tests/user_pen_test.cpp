#include <device/clock.h>
#include <device/faults.h>
#include <device/message_log.h>
#include <device/pen.h>
#include <windowsx.h>

#include "message_sequence.h"
#include "scripted_window.h"

namespace {

int X(LPARAM position) { return GET_X_LPARAM(position); }
int Y(LPARAM position) { return GET_Y_LPARAM(position); }

// The one pen message the log holds, after a pen-down or pen-up.
const device::MessageRecord* PenMessage()
{
    for (const device::MessageRecord& record : device::MessageLog())
        if (record.message >= WM_MOUSEMOVE && record.message <= WM_LBUTTONDBLCLK) return &record;
    return nullptr;
}

}  // namespace

using UserPenTest = ScriptedWindows;

TEST_F(UserPenTest, TheDeepestVisibleEnabledWindowUnderThePenTakesIt)
{
    HWND a = Create({0, 0, 160, 160});
    HWND b = Create({10, 10, 110, 110}, a);
    HWND c = Create({20, 20, 60, 60}, b);
    HWND d = Create({90, 90, 150, 150}, a);
    Create({120, 0, 160, 40}, a, 0);                          // hidden
    Create({120, 50, 160, 80}, a, WS_VISIBLE | WS_DISABLED);  // disabled
    HWND h = Create({140, 140, 200, 200}, a);                 // reaches beyond its parent
    HWND topmost = Create({100, 200, 240, 320}, nullptr, WS_VISIBLE, WS_EX_TOPMOST);
    HWND g = Create({0, 180, 200, 300});

    struct Case {
        const char* what;
        POINT at;
        HWND expected;
        POINT client;
    };
    const Case cases[] = {
        {"a grandchild", {40, 40}, c, {10, 10}},
        {"a child around its own child", {15, 15}, b, {5, 5}},
        {"overlapping siblings: the later one", {100, 100}, d, {10, 10}},
        {"the gap between children", {5, 5}, a, {5, 5}},
        {"a hidden child is passed over", {130, 10}, a, {130, 10}},
        {"a disabled child is passed over", {130, 60}, a, {130, 60}},
        {"a child inside its parent", {145, 145}, h, {5, 5}},
        {"a child outside its parent is clipped", {170, 170}, nullptr, {}},
        {"a topmost window over a later one", {150, 250}, topmost, {50, 50}},
        {"a later top-level window", {50, 250}, g, {50, 70}},
        {"no window", {230, 10}, nullptr, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(device::PenDown(test.at.x, test.at.y), test.expected);
        const device::MessageRecord* down = PenMessage();
        if (test.expected) {
            ASSERT_NE(down, nullptr) << "the window under the pen hears of it";
            EXPECT_EQ(down->window, test.expected);
            EXPECT_EQ(X(down->lParam), test.client.x);
            EXPECT_EQ(Y(down->lParam), test.client.y);
        } else {
            EXPECT_EQ(down, nullptr) << "a pen over no window reaches nobody";
        }
        device::PenUp(test.at.x, test.at.y);
        device::ClearMessageLog();
    }
}

TEST_F(UserPenTest, AStrokeArrivesAsDownMovesAndUpWithTheButtonFlagWhileDown)
{
    HWND left = Create({0, 0, 100, 100});
    HWND right = Create({100, 0, 200, 100});

    device::PenMove(50, 50);
    device::PenDown(10, 20);
    device::PenMove(60, 25);
    device::PenMove(130, 30);
    device::PenUp(140, 35);
    device::PenMove(50, 50);
    const ExpectedMessage stroke[] = {
        {WM_LBUTTONDOWN, kWParam | kLParam, MK_LBUTTON, MAKELPARAM(10, 20), left},
        {WM_MOUSEMOVE, kWParam | kLParam, MK_LBUTTON, MAKELPARAM(60, 25), left},
        {WM_MOUSEMOVE, kWParam | kLParam, MK_LBUTTON, MAKELPARAM(30, 30), right},
        {WM_LBUTTONUP, kWParam | kLParam, 0, MAKELPARAM(40, 35), right},
    };
    EXPECT_TRUE(MessageLogMatches("a stroke from one window to the next without capture; no hovering moves", stroke));
    EXPECT_EQ(GetCapture(), nullptr) << "the platform never captures the pen by itself";
}

TEST_F(UserPenTest, TheCaptureTakesEveryEventInItsOwnCoordinatesInsideOrOut)
{
    HWND other = Create({0, 0, 240, 320});
    HWND captor = Create({50, 60, 150, 120}, other);
    EXPECT_EQ(SetCapture(captor), nullptr);
    device::ClearMessageLog();

    const struct {
        const char* what;
        POINT at;
        POINT client;
    } cases[] = {
        {"inside", {60, 70}, {10, 10}},
        {"above and to the left", {10, 20}, {-40, -40}},
        {"beyond the right and bottom edges", {230, 300}, {180, 240}},
        {"left of it, level with it", {0, 100}, {-50, 40}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(device::PenDown(test.at.x, test.at.y), captor);
        EXPECT_EQ(device::PenMove(test.at.x, test.at.y), captor);
        EXPECT_EQ(device::PenUp(test.at.x, test.at.y), captor);
        ASSERT_EQ(device::MessageLog().size(), 3u);
        for (const device::MessageRecord& record : device::MessageLog()) {
            EXPECT_EQ(record.window, captor);
            EXPECT_EQ(X(record.lParam), test.client.x);
            EXPECT_EQ(Y(record.lParam), test.client.y);
        }
        device::ClearMessageLog();
    }
}

TEST_F(UserPenTest, TheWindowLosingTheCaptureHearsWhoGainsIt)
{
    HWND first = Create({0, 0, 100, 100});
    HWND second = Create({100, 0, 200, 100});

    EXPECT_EQ(SetCapture(first), nullptr);
    EXPECT_EQ(SetCapture(second), first) << "SetCapture answers the previous capture";
    EXPECT_EQ(SetCapture(second), second);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_TRUE(ReleaseCapture()) << "releasing no capture still succeeds";
    const ExpectedMessage changes[] = {
        {WM_CAPTURECHANGED, kLParam, 0, reinterpret_cast<LPARAM>(second), first},
        {WM_CAPTURECHANGED, kLParam, 0, 0, second},
    };
    EXPECT_TRUE(MessageLogMatches("capture moves, is taken again, and is released", changes));
    EXPECT_EQ(GetCapture(), nullptr);

    SetLastError(0);
    EXPECT_EQ(SetCapture(reinterpret_cast<HWND>(0x1234)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));

    SetCapture(first);
    device::ClearMessageLog();
    DestroyWindow(first);
    EXPECT_EQ(GetCapture(), nullptr) << "a destroyed window lets go of the capture";
    const ExpectedMessage destruction[] = {{WM_DESTROY, kMessageOnly, 0, 0, first}};
    EXPECT_TRUE(MessageLogMatches("the dying window hears nothing about the capture", destruction));
    EXPECT_EQ(device::PenDown(150, 50), second) << "the pen goes by position again";
    device::PenUp(150, 50);
}

TEST_F(UserPenTest, ASecondQuickNearTapOnADoubleTapWindowArrivesAsADoubleClick)
{
    HWND taps = Create({0, 0, 100, 100}, nullptr, WS_VISIBLE, 0, kDoubleTapClass);
    HWND plain = Create({100, 0, 200, 100});
    const int half = device::kDoubleTapWidth / 2;

    struct Case {
        const char* what;
        HWND window;
        DWORD wait;
        int dx, dy;
        UINT second;
    };
    const Case cases[] = {
        {"at once, same point", taps, 0, 0, 0, WM_LBUTTONDBLCLK},
        {"just inside the time", taps, device::kDoubleTapTime, 0, 0, WM_LBUTTONDBLCLK},
        {"just outside the time", taps, device::kDoubleTapTime + 1, 0, 0, WM_LBUTTONDOWN},
        {"just inside the distance", taps, 0, half, -half, WM_LBUTTONDBLCLK},
        {"just outside sideways", taps, 0, -(half + 1), 0, WM_LBUTTONDOWN},
        {"just outside downwards", taps, 0, 0, half + 1, WM_LBUTTONDOWN},
        {"a class without CS_DBLCLKS", plain, 0, 0, 0, WM_LBUTTONDOWN},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        RECT rect{};
        GetWindowRect(test.window, &rect);
        POINT at{rect.left + 50, 50};
        device::AdvanceClock(10 * device::kDoubleTapTime);  // nothing left of the case before
        device::Tap(at.x, at.y);
        device::AdvanceClock(test.wait);
        device::ClearMessageLog();
        device::Tap(at.x + test.dx, at.y + test.dy);
        ASSERT_NE(PenMessage(), nullptr);
        EXPECT_EQ(device::MessageName(PenMessage()->message), device::MessageName(test.second));
    }

    device::AdvanceClock(10 * device::kDoubleTapTime);
    device::ClearMessageLog();
    for (int tap = 0; tap < 4; ++tap) device::Tap(50, 50);
    const ExpectedMessage series[] = {
        {WM_LBUTTONDOWN}, {WM_LBUTTONUP}, {WM_LBUTTONDBLCLK}, {WM_LBUTTONUP},
        {WM_LBUTTONDOWN}, {WM_LBUTTONUP}, {WM_LBUTTONDBLCLK}, {WM_LBUTTONUP},
    };
    EXPECT_TRUE(MessageLogMatches("four quick taps: a third tap starts over", series));

    HWND below = Create({0, 100, 100, 200}, nullptr, WS_VISIBLE, 0, kDoubleTapClass);
    device::AdvanceClock(10 * device::kDoubleTapTime);
    device::Tap(50, 99);
    device::ClearMessageLog();
    device::Tap(50, 101);
    const ExpectedMessage elsewhere[] = {{WM_LBUTTONDOWN, kLParam, 0, MAKELPARAM(50, 1), below}, {WM_LBUTTONUP}};
    EXPECT_TRUE(MessageLogMatches("a near, quick tap on another window starts afresh", elsewhere));
    EXPECT_EQ(GetDoubleClickTime(), device::kDoubleTapTime);
}

TEST_F(UserPenTest, PenEventsOutOfOrderAreTheDriversFaultAndDeliverNothing)
{
    Create({0, 0, 100, 100});
    EXPECT_EQ(device::PenUp(10, 10), nullptr);
    device::PenDown(10, 10);
    device::ClearMessageLog();
    EXPECT_EQ(device::PenDown(10, 10), nullptr);
    EXPECT_TRUE(device::MessageLog().empty());
    EXPECT_EQ(device::TakeFaults().size(), 2u) << "each misplaced event is reported";
    EXPECT_TRUE(device::IsPenDown());
    device::PenUp(10, 10);
    EXPECT_FALSE(device::IsPenDown());
}
