#include <device/controls.h>
#include <device/pen.h>

#include "control_panel.h"

namespace {

const LPCWSTR kRows[] = {u"One", u"Two", u"Three"};

void AddRows(HWND control, UINT message)
{
    for (LPCWSTR row : kRows) SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(row));
}

// What each action is done on, ready to act.
struct Target {
    const char* what;
    LPCWSTR className;
    DWORD style;
    void (*prepare)(HWND);
    bool (*act)(HWND);
    LRESULT (*state)(HWND);  // what the action would change
};

const Target kTargets[] = {
    {"check box", u"button", BS_AUTOCHECKBOX, [](HWND) {}, [](HWND c) { return device::ClickControl(c); },
     [](HWND c) { return SendMessageW(c, BM_GETCHECK, 0, 0); }},
    {"edit", u"edit", WS_BORDER, [](HWND) {}, [](HWND c) { return device::TypeIntoControl(c, u"x"); },
     [](HWND c) { return LRESULT{GetWindowTextLengthW(c)}; }},
    {"list box", u"listbox", LBS_NOTIFY, [](HWND c) { AddRows(c, LB_ADDSTRING); },
     [](HWND c) { return device::ChooseListItem(c, 0); }, [](HWND c) { return SendMessageW(c, LB_GETCURSEL, 0, 0); }},
    {"combo box", u"combobox", CBS_DROPDOWNLIST, [](HWND c) { AddRows(c, CB_ADDSTRING); },
     [](HWND c) { return device::ChooseListItem(c, 0); }, [](HWND c) { return SendMessageW(c, CB_GETCURSEL, 0, 0); }},
    {"trackbar", TRACKBAR_CLASSW, 0, [](HWND) {}, [](HWND c) { return device::MoveTrackbar(c, 50); },
     [](HWND c) { return SendMessageW(c, TBM_GETPOS, 0, 0); }},
};

class ControlHandTest : public ControlPanel {
protected:
    HWND MakeTarget(const Target& target)
    {
        HWND control = Make(target.className, u"", target.style, {10, 10, 150, 60});
        target.prepare(control);
        return control;
    }
};

TEST_F(ControlHandTest, DisabledOrHiddenControlsTakeNothingFromTheHandOrThePen)
{
    const struct {
        const char* why;
        void (*make)(HWND);
    } states[] = {
        {"is disabled", [](HWND c) { EnableWindow(c, FALSE); }},
        {"is hidden", [](HWND c) { ShowWindow(c, SW_HIDE); }},
    };
    for (const Target& target : kTargets) {
        for (const auto& state : states) {
            SCOPED_TRACE(std::string(target.what) + " that " + state.why);
            HWND control = MakeTarget(target);
            LRESULT before = target.state(control);
            state.make(control);
            Notices();
            EXPECT_FALSE(target.act(control));
            EXPECT_NE(device::ControlActionFailure().find(state.why), std::string::npos)
                << device::ControlActionFailure();
            RECT place;
            GetWindowRect(control, &place);
            device::Tap(place.left + 5, place.top + 5);
            EXPECT_EQ(target.state(control), before);
            EXPECT_TRUE(Notices().empty());
            EXPECT_NE(GetFocus(), control);
            DestroyWindow(control);
        }
    }
}

// The controls the refusals are asked of.
struct Refusing {
    HWND edit, button, list, trackbar;
};

TEST_F(ControlHandTest, AnActionThatCannotBeDoneChangesNothingAndSaysWhy)
{
    Refusing panel{Make(u"edit", u"", WS_BORDER, {10, 10, 150, 30}, 7),
                   Make(u"button", u"Go", BS_PUSHBUTTON, {10, 40, 150, 60}, 8),
                   Make(u"listbox", u"", 0, {10, 70, 150, 84}, 9),  // one row in view, no scroll bar
                   Make(TRACKBAR_CLASSW, u"", 0, {10, 90, 150, 110}, 10)};
    AddRows(panel.list, LB_ADDSTRING);
    SendMessageW(panel.trackbar, TBM_SETRANGE, FALSE, MAKELONG(0, 8));
    const struct {
        bool (*act)(const Refusing&);
        const char* failure;
    } cases[] = {
        {[](const Refusing& p) { return device::ClickControl(p.edit); }, "control 7 (edit) is not a button"},
        {[](const Refusing& p) { return device::TypeIntoControl(p.button, u"x"); },
         "control 8 (button) is not an edit control"},
        {[](const Refusing& p) { return device::ChooseListItem(p.button, 0); },
         "control 8 (button) is not a list box or a combo box"},
        {[](const Refusing& p) { return device::ChooseListItem(p.list, 3); },
         "control 9 (listbox) has 3 rows: there is no row 3"},
        {[](const Refusing& p) { return device::ChooseListItem(p.list, 2); },
         "row 2 of control 9 (listbox) cannot be brought into view"},
        {[](const Refusing& p) { return device::MoveTrackbar(p.trackbar, 9); },
         "control 10 (msctls_trackbar32) goes from 0 to 8: position 9 is not on it"},
        {[](const Refusing&) { return device::ClickControl(reinterpret_cast<HWND>(0x7777)); },
         "there is no such window"},
        {[](const Refusing& p) {
             HWND cover = CreateWindowExW(WS_EX_TOPMOST, u"static", u"", WS_POPUP | WS_VISIBLE, 0, 60, 240, 30,
                                          nullptr, nullptr, nullptr, nullptr);
             bool done = device::ClickControl(p.button);
             DestroyWindow(cover);
             return done;
         },
         "the pen at (80,76) reaches control 0 (static), not control 8 (button)"},
    };
    for (const auto& test : cases) {
        EXPECT_FALSE(test.act(panel));
        EXPECT_EQ(device::ControlActionFailure(), test.failure);
    }
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(SendMessageW(panel.list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(device::ChooseListItem(panel.list, 0));
    EXPECT_EQ(device::ControlActionFailure(), "") << "a success leaves no failure behind";
}

TEST_F(ControlHandTest, TheHandScrollsAListOrADroppedListToTheRowItChooses)
{
    HWND list = Make(u"listbox", u"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, {10, 10, 150, 60});
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST | WS_VSCROLL, {10, 70, 150, 150});
    for (int row = 0; row < 30; ++row) {
        std::u16string text = u"row " + std::u16string(1, static_cast<char16_t>(u'A' + row));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ASSERT_TRUE(device::ChooseListItem(list, 20)) << device::ControlActionFailure();
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 20);
    EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 15);
    ASSERT_TRUE(device::ChooseListItem(list, 2)) << "back up";
    EXPECT_EQ(Notices(), (std::vector{Command(list, LBN_SELCHANGE), Command(list, LBN_SELCHANGE)}))
        << "the scroll bar's taps are not told";

    ASSERT_TRUE(device::ChooseListItem(combo, 27)) << device::ControlActionFailure();
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 27);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Notices(), (std::vector{Command(combo, CBN_DROPDOWN), Command(combo, CBN_CLOSEUP),
                                      Command(combo, CBN_SELCHANGE)}));
}

TEST_F(ControlHandTest, EachControlIsDescribedOnOneLine)
{
    HWND label = Make(u"static", u"Name:", SS_LEFT, {5, 5, 45, 18}, 2004);
    HWND hidden = Make(u"static", u"Options: ", SS_LEFT, {5, 20, 155, 28}, 2011);
    ShowWindow(hidden, SW_HIDE);
    HWND check = Make(u"button", u"Character repeat", BS_AUTOCHECKBOX, {8, 34, 233, 50}, 2002);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    HWND ok = Make(u"button", u"OK", BS_DEFPUSHBUTTON, {8, 52, 60, 70}, IDOK);
    EnableWindow(ok, FALSE);
    HWND edit = Make(u"edit", u"say \"hi\"", WS_BORDER, {8, 72, 100, 90}, 1013);
    HWND trackbar = Make(TRACKBAR_CLASSW, u"Slider1", TBS_AUTOTICKS, {8, 92, 200, 108}, 2000);
    SendMessageW(trackbar, TBM_SETRANGE, FALSE, MAKELONG(0, 8));
    SendMessageW(trackbar, TBM_SETPOS, FALSE, 4);
    HWND list = Make(u"listbox", u"", WS_BORDER | LBS_NOINTEGRALHEIGHT, {8, 110, 100, 150}, 1014);
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST, {8, 152, 100, 250}, 1012);
    AddRows(combo, CB_ADDSTRING);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    HWND progress = Make(PROGRESS_CLASSW, u"Progress1", WS_BORDER, {8, 180, 100, 194}, 1000);
    SendMessageW(progress, PBM_SETPOS, 30, 0);
    const struct {
        HWND control;
        const char* line;
    } cases[] = {
        {label, "2004 static \"Name:\" enabled (5,5)-(45,18)"},
        {hidden, "2011 static \"Options: \" enabled hidden (5,20)-(155,28)"},
        {check, "2002 button \"Character repeat\" enabled checked (8,34)-(233,50)"},
        {ok, "1 button \"OK\" disabled (8,52)-(60,70)"},
        {edit, "1013 edit \"say \\\"hi\\\"\" enabled (8,72)-(100,90)"},
        {trackbar, "2000 msctls_trackbar32 \"Slider1\" enabled position 4 of 0..8 (8,92)-(200,108)"},
        {list, "1014 listbox \"\" enabled selected none of 0 (8,110)-(100,150)"},
        {combo, "1012 combobox \"Two\" enabled selected 1 of 3 (8,152)-(100,171)"},
        {progress, "1000 msctls_progress32 \"Progress1\" enabled position 30 of 0..100 (8,180)-(100,194)"},
    };
    device::ClearMessageLog();
    for (const auto& test : cases) EXPECT_EQ(device::DescribeControl(test.control), test.line);
    EXPECT_TRUE(device::MessageLog().empty()) << "reading a control sends it nothing";
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(device::DescribeControl(combo),
              "1012 combobox \"Two\" enabled selected 1 of 3 dropped (8,152)-(100,171)");
}

}  // namespace
