#include <device/device.h>
#include <device/progress_bars.h>

#include "control_panel.h"

namespace {

// A message and what it must answer (nothing checked for kAny).
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT answer;
};

constexpr LRESULT kAny = 0x7FFFABCD;

struct RangeCase {
    const char* rule;
    std::vector<Step> steps;
    int position, minimum, maximum;  // what the control holds afterwards
};

class ControlRangeTest : public ControlPanel {
protected:
    void Run(LPCWSTR className, const std::vector<RangeCase>& cases, UINT getPosition,
             std::pair<LRESULT, LRESULT> (*range)(HWND))
    {
        for (const RangeCase& test : cases) {
            SCOPED_TRACE(test.rule);
            HWND control = Make(className, u"", 0, {10, 10, 150, 30});
            for (const Step& step : test.steps) {
                LRESULT answer = SendMessageW(control, step.message, step.wParam, step.lParam);
                if (step.answer != kAny) {
                    EXPECT_EQ(answer, step.answer) << "message " << std::hex << step.message;
                }
            }
            EXPECT_EQ(SendMessageW(control, getPosition, 0, 0), test.position);
            EXPECT_EQ(range(control), std::make_pair(LRESULT{test.minimum}, LRESULT{test.maximum}));
            DestroyWindow(control);
        }
        EXPECT_TRUE(Notices().empty()) << "the program's changes are not told";
    }
};

TEST_F(ControlRangeTest, ATrackbarsPositionNeverLeavesItsRange)
{
    const std::vector<RangeCase> cases = {
        {"a new trackbar runs from 0 to 100 at 0", {}, 0, 0, 100},
        {"a position below the range stops at the minimum",
         {{TBM_SETRANGE, FALSE, MAKELONG(0, 8), 0}, {TBM_SETPOS, TRUE, -3, 0}}, 0, 0, 8},
        {"a position above the range stops at the maximum",
         {{TBM_SETRANGE, FALSE, MAKELONG(0, 8), 0}, {TBM_SETPOS, TRUE, 12, 0}}, 8, 0, 8},
        {"a range set above the position takes it along",
         {{TBM_SETPOS, FALSE, 2, 0}, {TBM_SETRANGEMIN, TRUE, 5, 0}}, 5, 5, 100},
        {"a range set below the position takes it along",
         {{TBM_SETPOS, FALSE, 70, 0}, {TBM_SETRANGEMAX, TRUE, 40, 0}}, 40, 0, 40},
        {"TBM_SETRANGE's ends are signed 16-bit words",
         {{TBM_SETRANGE, FALSE, MAKELONG(-5, 5), 0}, {TBM_SETPOS, FALSE, -9, 0}}, -5, -5, 5},
        {"a minimum above the maximum takes the maximum along",
         {{TBM_SETRANGE, FALSE, MAKELONG(0, 8), 0}, {TBM_SETRANGEMIN, FALSE, 12, 0}}, 12, 12, 12},
        {"a maximum below the minimum takes the minimum along",
         {{TBM_SETRANGE, FALSE, MAKELONG(0, 8), 0}, {TBM_SETRANGEMAX, FALSE, -4, 0}}, -4, -4, -4},
        {"a range given upside down is empty at its minimum",
         {{TBM_SETRANGE, FALSE, MAKELONG(8, 2), 0}, {TBM_SETPOS, FALSE, 3, 0}}, 8, 8, 8},
        {"the page is a fifth of the range until it is set",
         {{TBM_SETRANGE, FALSE, MAKELONG(0, 50), 0},
          {TBM_GETPAGESIZE, 0, 0, 10},
          {TBM_SETPAGESIZE, 0, 3, 10},
          {TBM_GETPAGESIZE, 0, 0, 3},
          {TBM_SETLINESIZE, 0, 2, 1},
          {TBM_GETLINESIZE, 0, 0, 2}},
         0, 0, 50},
    };
    Run(TRACKBAR_CLASSW, cases, TBM_GETPOS, [](HWND trackbar) {
        return std::make_pair(SendMessageW(trackbar, TBM_GETRANGEMIN, 0, 0),
                              SendMessageW(trackbar, TBM_GETRANGEMAX, 0, 0));
    });
}

TEST_F(ControlRangeTest, AProgressBarClampsItsPositionAndAnswersWithThePreviousOne)
{
    const std::vector<RangeCase> cases = {
        {"a new bar runs from 0 to 100 at 0, in steps of 10", {{PBM_STEPIT, 0, 0, 0}}, 10, 0, 100},
        {"PBM_SETPOS answers the previous position",
         {{PBM_SETPOS, 30, 0, 0}, {PBM_SETPOS, 60, 0, 30}}, 60, 0, 100},
        {"a position beyond either end stops there",
         {{PBM_SETPOS, 150, 0, 0}, {PBM_SETPOS, static_cast<WPARAM>(-5), 0, 100}}, 0, 0, 100},
        {"a new range clamps the position and answers the old one",
         {{PBM_SETPOS, 80, 0, 0}, {PBM_SETRANGE, 0, MAKELPARAM(10, 50), MAKELONG(0, 100)}}, 50, 10, 50},
        {"PBM_SETRANGE's ends are unsigned 16-bit words",
         {{PBM_SETRANGE, 0, MAKELPARAM(0, 60000), kAny}, {PBM_SETPOS, 59000, 0, kAny}}, 59000, 0, 60000},
        {"PBM_SETRANGE32 takes 32-bit ends and answers the old ones in 16 bits",
         {{PBM_SETRANGE32, 0, 100000, MAKELONG(0, 100)}, {PBM_SETPOS, 70000, 0, 0},
          {PBM_SETRANGE32, 0, 10, MAKELONG(0, 100000 & 0xFFFF)}},
         10, 0, 10},
        {"PBM_DELTAPOS moves by its amount and answers the previous position",
         {{PBM_SETPOS, 20, 0, 0}, {PBM_DELTAPOS, 15, 0, 20}, {PBM_DELTAPOS, static_cast<WPARAM>(-50), 0, 35}},
         0, 0, 100},
        {"stepping past the maximum starts again from the minimum",
         {{PBM_SETSTEP, 30, 0, 10}, {PBM_SETPOS, 90, 0, 0}, {PBM_STEPIT, 0, 0, 90}}, 20, 0, 100},
        {"stepping back past the minimum comes round from the maximum",
         {{PBM_SETSTEP, static_cast<WPARAM>(-30), 0, 10}, {PBM_SETPOS, 10, 0, 0}, {PBM_STEPIT, 0, 0, 10}},
         80, 0, 100},
        {"an empty range does not step",
         {{PBM_SETRANGE32, 5, 5, kAny}, {PBM_STEPIT, 0, 0, 5}}, 5, 5, 5},
    };
    Run(PROGRESS_CLASSW, cases, PBM_GETPOS, [](HWND bar) {
        PBRANGE range{-1, -1};
        SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), range.iLow) << "TRUE answers the low end";
        EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), range.iHigh);
        return std::make_pair(LRESULT{range.iLow}, LRESULT{range.iHigh});
    });
}

TEST_F(ControlRangeTest, TheLastChangeOfAnyProgressBarOutlivesTheBar)
{
    EXPECT_FALSE(device::LastProgressBar()) << "nothing has changed yet";
    HWND first = Make(PROGRESS_CLASSW, u"", 0, {10, 10, 150, 30});
    HWND second = Make(PROGRESS_CLASSW, u"", 0, {10, 40, 150, 60});
    SendMessageW(first, PBM_SETRANGE32, 0, 500);
    SendMessageW(second, PBM_SETPOS, 30, 0);
    SendMessageW(first, PBM_SETPOS, 700, 0);
    DestroyWindow(first);
    DestroyWindow(second);
    std::optional<device::ProgressBarRecord> last = device::LastProgressBar();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->dialog, "") << "the panel is no dialog";
    EXPECT_EQ(std::make_tuple(last->minimum, last->maximum, last->position), std::make_tuple(0, 500, 500))
        << "the position as clamped";

    ASSERT_TRUE(device::CreateFresh());
    EXPECT_FALSE(device::LastProgressBar()) << "a new device starts without one";
}

}  // namespace
