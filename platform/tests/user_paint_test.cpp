#include <device/message_log.h>
#include <device/paint.h>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"
#include "message_sequence.h"
#include "scripted_window.h"
#include "user/update_rect.h"

namespace {

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r)
{
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

RECT UpdateRectOf(HWND window)
{
    RECT rect{-1, -1, -1, -1};
    GetUpdateRect(window, &rect, FALSE);
    return rect;
}

}  // namespace

class UserPaintTest : public ScriptedWindows {
protected:
    // Paints as a window procedure does, keeping what BeginPaint handed over.
    void PaintWithBeginPaint()
    {
        React([this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_PAINT) return std::nullopt;
            HDC hdc = BeginPaint(window, &painted);
            EXPECT_EQ(hdc, painted.hdc);
            EXPECT_NE(platform::gdi::FindObjectOf<platform::gdi::DeviceContext>(hdc), nullptr)
                << "the paint context is a live drawing object";
            EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "BeginPaint empties the update rectangle";
            EXPECT_TRUE(EndPaint(window, &painted));
            EXPECT_EQ(platform::gdi::GdiObjects().Find(hdc), nullptr) << "EndPaint closes the context";
            return 0;
        });
    }

    PAINTSTRUCT painted{};
};

TEST_F(UserPaintTest, TwoInvalidationsMakeOnePaintOfTheirBoundingRectangle)
{
    HWND window = Create({0, 0, 100, 80});
    PaintWithBeginPaint();
    const RECT first{10, 10, 20, 20}, second{30, 5, 40, 15};
    EXPECT_TRUE(InvalidateRect(window, &first, FALSE));
    EXPECT_TRUE(InvalidateRect(window, &second, TRUE));
    EXPECT_TRUE(UpdateRectOf(window) == (RECT{10, 5, 40, 20})) << Text(UpdateRectOf(window));

    device::DeliverPaints();
    device::DeliverPaints();
    const ExpectedMessage paints[] = {{WM_PAINT, kWParam | kLParam, 0, 0, window}};
    EXPECT_TRUE(MessageLogMatches("one paint however often the device goes idle", paints));
    EXPECT_TRUE(painted.rcPaint == (RECT{10, 5, 40, 20})) << Text(painted.rcPaint);
    EXPECT_TRUE(painted.fErase) << "one of the invalidations asked for the background";
}

TEST_F(UserPaintTest, InvalidationKeepsToTheClientArea)
{
    HWND window = Create({50, 50, 150, 130});
    const struct {
        const char* what;
        std::optional<RECT> rect;  // none: the whole window
        RECT update;
    } cases[] = {
        {"everything", std::nullopt, {0, 0, 100, 80}},
        {"reaching outside", RECT{-10, 70, 20, 200}, {0, 70, 20, 80}},
        {"wholly outside", RECT{100, 0, 120, 10}, {}},
        {"empty", RECT{10, 10, 10, 20}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_TRUE(InvalidateRect(window, test.rect ? &*test.rect : nullptr, FALSE));
        EXPECT_TRUE(UpdateRectOf(window) == test.update) << Text(UpdateRectOf(window));
        EXPECT_TRUE(ValidateRect(window, nullptr));
    }
}

TEST_F(UserPaintTest, ValidatingTakesAwayOnlyWhatLeavesARectangle)
{
    const RECT update{10, 10, 50, 50};
    const struct {
        const char* what;
        RECT validated;
        RECT remaining;
    } cases[] = {
        {"all of it and more", {0, 0, 60, 60}, {}},
        {"the top band", {0, 0, 60, 20}, {10, 20, 50, 50}},
        {"the bottom band", {10, 40, 50, 50}, {10, 10, 50, 40}},
        {"the left band", {10, 0, 30, 60}, {30, 10, 50, 50}},
        {"the right band", {45, 10, 50, 50}, {10, 10, 45, 50}},
        {"a hole in the middle", {20, 20, 30, 30}, update},
        {"a corner", {0, 0, 20, 20}, update},
        {"beside it", {60, 10, 70, 50}, update},
    };
    for (const auto& test : cases) {
        RECT remaining = platform::user::RemainingRect(update, test.validated);
        EXPECT_TRUE(remaining == test.remaining) << test.what << ": " << Text(remaining);
    }
    EXPECT_TRUE(platform::user::BoundingRect({}, {1, 2, 3, 4}) == (RECT{1, 2, 3, 4}))
        << "an empty rectangle adds nothing to a bounding rectangle";
}

TEST_F(UserPaintTest, UpdateWindowPaintsAtOnceAndOnlyWhatNeedsIt)
{
    HWND window = Create({0, 0, 100, 80});
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_TRUE(device::MessageLog().empty()) << "a clean window is not painted";

    InvalidateRect(window, nullptr, FALSE);
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "DefWindowProcW validates what it is asked to paint";
    EXPECT_TRUE(UpdateWindow(window));
    const ExpectedMessage paints[] = {{WM_PAINT, kMessageOnly, 0, 0, window}};
    EXPECT_TRUE(MessageLogMatches("invalidate, update, update again", paints));
}

TEST_F(UserPaintTest, PaintsGoToShownWindowsParentsFirstEachOnce)
{
    HWND parent = Create({0, 0, 200, 200});
    HWND child = Create({10, 10, 100, 100}, parent);
    HWND hidden = Create({100, 100, 150, 150}, parent, 0);
    HWND later = Create({0, 200, 200, 300});
    React([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) return 0;  // paints nothing, validates nothing
        return std::nullopt;
    });
    for (HWND window : {later, hidden, child, parent}) InvalidateRect(window, nullptr, FALSE);
    device::DeliverPaints();
    const ExpectedMessage order[] = {{WM_PAINT, kMessageOnly, 0, 0, parent},
                                     {WM_PAINT, kMessageOnly, 0, 0, child},
                                     {WM_PAINT, kMessageOnly, 0, 0, later}};
    EXPECT_TRUE(MessageLogMatches("one pass over the screen, a hidden window left waiting", order));
    EXPECT_TRUE(GetUpdateRect(hidden, nullptr, FALSE));

    React(nullptr);
    ShowWindow(hidden, SW_SHOW);
    device::ClearMessageLog();
    device::DeliverPaints();
    const ExpectedMessage shown[] = {{WM_PAINT, kMessageOnly, 0, 0, parent},
                                     {WM_PAINT, kMessageOnly, 0, 0, child},
                                     {WM_PAINT, kMessageOnly, 0, 0, hidden},
                                     {WM_PAINT, kMessageOnly, 0, 0, later}};
    EXPECT_TRUE(MessageLogMatches("the windows that did not validate are painted again", shown));
}

TEST_F(UserPaintTest, AShownWindowIsPaintedWhole)
{
    HWND window = Create({0, 0, 100, 80}, nullptr, 0);
    PaintWithBeginPaint();
    ShowWindow(window, SW_SHOW);
    device::DeliverPaints();
    EXPECT_TRUE(painted.rcPaint == (RECT{0, 0, 100, 80})) << Text(painted.rcPaint);
    EXPECT_TRUE(painted.fErase);
}

// The child's pixels stay in the parent's surface, so the parent must paint
// the place the child leaves; a hidden child leaves nothing to paint.
TEST_F(UserPaintTest, AChildThatLeavesItsPlaceHasTheParentPaintIt)
{
    const struct {
        const char* how;
        DWORD childStyle;
        std::function<void(HWND child)> leave;
        RECT parentUpdate;
        RECT childUpdate;
    } cases[] = {
        {"hiding", WS_VISIBLE, [](HWND child) { ShowWindow(child, SW_HIDE); }, {10, 20, 50, 40}, {}},
        {"being destroyed", WS_VISIBLE, [](HWND child) { DestroyWindow(child); }, {10, 20, 50, 40}, {}},
        {"moving with repaint", WS_VISIBLE, [](HWND child) { MoveWindow(child, 60, 20, 40, 20, TRUE); },
         {10, 20, 50, 40}, {0, 0, 40, 20}},
        {"moving without repaint", WS_VISIBLE, [](HWND child) { MoveWindow(child, 60, 20, 40, 20, FALSE); }, {}, {}},
        {"being destroyed while hidden", 0, [](HWND child) { DestroyWindow(child); }, {}, {}},
    };
    for (const auto& c : cases) {
        HWND parent = Create({0, 0, 200, 100});
        HWND child = Create({10, 20, 50, 40}, parent, c.childStyle);
        ValidateRect(parent, nullptr);
        ValidateRect(child, nullptr);
        c.leave(child);
        EXPECT_TRUE(UpdateRectOf(parent) == c.parentUpdate) << c.how << ": " << Text(UpdateRectOf(parent));
        if (IsWindow(child)) {
            EXPECT_TRUE(UpdateRectOf(child) == c.childUpdate) << c.how << ": " << Text(UpdateRectOf(child));
        }
        DestroyWindow(parent);
    }
}

TEST_F(UserPaintTest, PaintCallsOnWindowsThatDoNotExistFail)
{
    HWND bogus = reinterpret_cast<HWND>(0x5678);
    PAINTSTRUCT paint{};
    RECT rect{};
    const struct {
        const char* what;
        std::function<bool()> call;
    } cases[] = {
        {"InvalidateRect", [&] { return InvalidateRect(bogus, nullptr, FALSE) != 0; }},
        {"InvalidateRect of every window", [&] { return InvalidateRect(nullptr, nullptr, FALSE) != 0; }},
        {"ValidateRect", [&] { return ValidateRect(bogus, nullptr) != 0; }},
        {"GetUpdateRect", [&] { return GetUpdateRect(bogus, &rect, FALSE) != 0; }},
        {"UpdateWindow", [&] { return UpdateWindow(bogus) != 0; }},
        {"BeginPaint", [&] { return BeginPaint(bogus, &paint) != nullptr; }},
        {"EndPaint", [&] { return EndPaint(bogus, &paint) != 0; }},
    };
    for (const auto& test : cases) {
        SetLastError(0);
        EXPECT_FALSE(test.call()) << test.what;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << test.what;
    }
    HWND window = Create({0, 0, 10, 10});
    SetLastError(0);
    EXPECT_EQ(BeginPaint(window, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
