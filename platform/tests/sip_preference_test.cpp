#include <aygshell.h>
#include <device/controls.h>
#include <device/sip.h>

#include "control_panel.h"

namespace {

class SipPreferenceTest : public ControlPanel {
protected:
    void SetUp() override
    {
        ControlPanel::SetUp();
        device::HideInputPanel();
        device::ClearSipPreferenceLog();
    }

    // The log as (window, state, answer) triples.
    static std::vector<std::tuple<HWND, SIPSTATE, BOOL>> Calls()
    {
        std::vector<std::tuple<HWND, SIPSTATE, BOOL>> calls;
        for (const device::SipPreferenceCall& call : device::SipPreferenceLog())
            calls.emplace_back(call.window, call.state, call.answer);
        return calls;
    }
};

TEST_F(SipPreferenceTest, EachCallIsCarriedOutAtOnceAndRecorded)
{
    HWND gone = Make(u"static", u"", 0, {0, 0, 10, 10});
    DestroyWindow(gone);
    const struct {
        HWND window;
        SIPSTATE state;
        BOOL answer;
        bool shownAfter;
    } cases[] = {
        {panel, SIP_UP, TRUE, true},          {panel, SIP_UNCHANGED, TRUE, true},
        {panel, SIP_INPUTDIALOG, TRUE, true}, {panel, SIP_DOWN, TRUE, false},
        {panel, SIP_UP, TRUE, true},          {panel, SIP_FORCEDOWN, TRUE, false},
        {gone, SIP_UP, FALSE, false},         {panel, static_cast<SIPSTATE>(9), FALSE, false},
    };
    std::vector<std::tuple<HWND, SIPSTATE, BOOL>> expected;
    for (const auto& test : cases) {
        EXPECT_EQ(SHSipPreference(test.window, test.state), test.answer) << test.state;
        EXPECT_EQ(device::IsInputPanelShown(), test.shownAfter) << test.state;
        expected.emplace_back(test.window, test.state, test.answer);
    }
    EXPECT_EQ(Calls(), expected);
    SetLastError(0);
    SHSipPreference(gone, SIP_DOWN);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(SipPreferenceTest, ASipPrefRaisesThePanelForEditControlsAndLowersItForAnythingElse)
{
    HWND first = Make(u"edit", u"", WS_BORDER, {10, 10, 100, 30}, 1);
    HWND second = Make(u"edit", u"", WS_BORDER, {10, 40, 100, 60}, 2);
    HWND box = Make(u"button", u"Box", BS_AUTOCHECKBOX, {10, 70, 100, 86}, 3);
    Make(WC_SIPPREF, u"", 0, {-10, -10, -4, -4}, -1);

    ASSERT_TRUE(device::TypeIntoControl(first, u"a"));
    EXPECT_TRUE(device::IsInputPanelShown());
    ASSERT_TRUE(device::TypeIntoControl(second, u"b"));
    EXPECT_TRUE(device::IsInputPanelShown()) << "from one edit control to another";
    EXPECT_EQ(Calls(), (std::vector<std::tuple<HWND, SIPSTATE, BOOL>>{{panel, SIP_UP, TRUE}, {panel, SIP_UP, TRUE}}))
        << "no lowering on the way";
    device::ClearSipPreferenceLog();
    ASSERT_TRUE(device::ClickControl(box));
    EXPECT_FALSE(device::IsInputPanelShown());
    EXPECT_EQ(Calls(), (std::vector<std::tuple<HWND, SIPSTATE, BOOL>>{{panel, SIP_DOWN, TRUE}}));
    std::vector<Notice> notices = Notices();
    EXPECT_EQ(std::count(notices.begin(), notices.end(), Command(second, EN_KILLFOCUS)), 1)
        << "the dialog still hears its controls";
}

TEST_F(SipPreferenceTest, ASipPrefGivesItsParentsProcedureBackWhenItGoes)
{
    LONG_PTR own = GetWindowLongPtrW(panel, GWL_WNDPROC);
    HWND edit = Make(u"edit", u"", WS_BORDER, {10, 10, 100, 30}, 1);
    HWND sipPref = Make(WC_SIPPREF, u"", 0, {-10, -10, -4, -4}, -1);
    HWND another = Make(WC_SIPPREF, u"", 0, {-10, -10, -4, -4}, -1);
    EXPECT_NE(GetWindowLongPtrW(panel, GWL_WNDPROC), own);
    DestroyWindow(another);
    EXPECT_NE(GetWindowLongPtrW(panel, GWL_WNDPROC), own) << "the first one still watches";
    DestroyWindow(sipPref);
    EXPECT_EQ(GetWindowLongPtrW(panel, GWL_WNDPROC), own);
    ASSERT_TRUE(device::TypeIntoControl(edit, u"a"));
    EXPECT_FALSE(device::IsInputPanelShown());
    EXPECT_TRUE(Calls().empty());
}

}  // namespace
