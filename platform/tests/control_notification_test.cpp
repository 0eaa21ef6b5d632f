#include <device/controls.h>
#include <device/pen.h>

#include "control_panel.h"

namespace {

const RECT kPlace{10, 10, 130, 30};
const LPCWSTR kRows[] = {u"One", u"Two", u"Three"};

// The rows, and room for them: a list shows them all, a combo box's list drops them all.
void AddRows(HWND control, UINT message)
{
    for (LPCWSTR row : kRows) SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(row));
    MoveWindow(control, kPlace.left, kPlace.top, kPlace.right - kPlace.left, 100, TRUE);
}

// Where the control's centre is on the screen.
POINT ScreenCentre(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

struct Case {
    const char* what;
    LPCWSTR className;
    DWORD style;
    void (*prepare)(HWND);  // the program's own doing, before the log is cleared
    void (*act)(HWND);
    std::vector<Notice> (*expected)(HWND);
};

void Nothing(HWND) {}

const Case kCases[] = {
    {"a tap on a push button is a click", u"button", BS_PUSHBUTTON, Nothing,
     [](HWND c) { EXPECT_TRUE(device::ClickControl(c)) << device::ControlActionFailure(); },
     [](HWND c) { return std::vector{Command(c, BN_CLICKED)}; }},
    {"the pen lifted away from a push button is no click", u"button", BS_PUSHBUTTON, Nothing,
     [](HWND c) {
         POINT centre = ScreenCentre(c);
         device::PenDown(centre.x, centre.y);
         device::PenMove(centre.x, centre.y + 40);
         device::PenUp(centre.x, centre.y + 40);
     },
     [](HWND) { return std::vector<Notice>{}; }},
    {"BM_CLICK clicks as the pen would", u"button", BS_AUTOCHECKBOX, Nothing,
     [](HWND c) { SendMessageW(c, BM_CLICK, 0, 0); }, [](HWND c) { return std::vector{Command(c, BN_CLICKED)}; }},
    {"BM_SETCHECK says nothing", u"button", BS_AUTOCHECKBOX, Nothing,
     [](HWND c) { SendMessageW(c, BM_SETCHECK, BST_CHECKED, 0); }, [](HWND) { return std::vector<Notice>{}; }},
    {"typing: the focus, then one change a character", u"edit", WS_BORDER | ES_AUTOHSCROLL, Nothing,
     [](HWND c) { EXPECT_TRUE(device::TypeIntoControl(c, u"ab")); },
     [](HWND c) { return std::vector{Command(c, EN_SETFOCUS), Command(c, EN_CHANGE), Command(c, EN_CHANGE)}; }},
    {"text set by the program is a change too", u"edit", WS_BORDER, Nothing,
     [](HWND c) { SetWindowTextW(c, u"set"); }, [](HWND c) { return std::vector{Command(c, EN_CHANGE)}; }},
    {"a character beyond the limit is refused with EN_MAXTEXT and no change", u"edit", ES_AUTOHSCROLL,
     [](HWND c) { SendMessageW(c, EM_LIMITTEXT, 1, 0); }, [](HWND c) { EXPECT_TRUE(device::TypeIntoControl(c, u"ab")); },
     [](HWND c) { return std::vector{Command(c, EN_SETFOCUS), Command(c, EN_CHANGE), Command(c, EN_MAXTEXT)}; }},
    {"without ES_AUTOHSCROLL a character that does not fit is refused", u"edit", 0,
     [](HWND c) { SetWindowTextW(c, u"WWWWWWWWWWWWW"); }, [](HWND c) { EXPECT_TRUE(device::TypeIntoControl(c, u"W")); },
     [](HWND c) { return std::vector{Command(c, EN_SETFOCUS), Command(c, EN_MAXTEXT)}; }},
    {"Backspace with nothing before the caret changes nothing", u"edit", 0, Nothing,
     [](HWND c) { EXPECT_TRUE(device::TypeIntoControl(c, u"\b")); },
     [](HWND c) { return std::vector{Command(c, EN_SETFOCUS)}; }},
    {"a tap on a row of an LBS_NOTIFY list", u"listbox", LBS_NOTIFY | WS_BORDER, [](HWND c) { AddRows(c, LB_ADDSTRING); },
     [](HWND c) { EXPECT_TRUE(device::ChooseListItem(c, 1)) << device::ControlActionFailure(); },
     [](HWND c) { return std::vector{Command(c, LBN_SELCHANGE)}; }},
    {"a list without LBS_NOTIFY says nothing", u"listbox", WS_BORDER, [](HWND c) { AddRows(c, LB_ADDSTRING); },
     [](HWND c) { EXPECT_TRUE(device::ChooseListItem(c, 1)); }, [](HWND) { return std::vector<Notice>{}; }},
    {"LB_SETCURSEL says nothing", u"listbox", LBS_NOTIFY, [](HWND c) { AddRows(c, LB_ADDSTRING); },
     [](HWND c) { SendMessageW(c, LB_SETCURSEL, 2, 0); }, [](HWND) { return std::vector<Notice>{}; }},
    {"choosing in a combo box: dropped, closed, changed", u"combobox", CBS_DROPDOWNLIST,
     [](HWND c) { AddRows(c, CB_ADDSTRING); },
     [](HWND c) { EXPECT_TRUE(device::ChooseListItem(c, 2)) << device::ControlActionFailure(); },
     [](HWND c) { return std::vector{Command(c, CBN_DROPDOWN), Command(c, CBN_CLOSEUP), Command(c, CBN_SELCHANGE)}; }},
    {"a tap beside a dropped list closes it without a choice", u"combobox", CBS_DROPDOWNLIST,
     [](HWND c) { AddRows(c, CB_ADDSTRING); },
     [](HWND c) {
         SendMessageW(c, CB_SHOWDROPDOWN, TRUE, 0);
         device::Tap(230, 280);
         EXPECT_FALSE(SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0));
     },
     [](HWND c) { return std::vector{Command(c, CBN_DROPDOWN), Command(c, CBN_CLOSEUP)}; }},
    {"CB_SETCURSEL says nothing", u"combobox", CBS_DROPDOWNLIST, [](HWND c) { AddRows(c, CB_ADDSTRING); },
     [](HWND c) { SendMessageW(c, CB_SETCURSEL, 1, 0); }, [](HWND) { return std::vector<Notice>{}; }},
    {"a dragged thumb tracks, then settles and ends", TRACKBAR_CLASSW, TBS_AUTOTICKS,
     [](HWND c) { SendMessageW(c, TBM_SETRANGE, FALSE, MAKELONG(0, 8)); },
     [](HWND c) { EXPECT_TRUE(device::MoveTrackbar(c, 5)) << device::ControlActionFailure(); },
     [](HWND c) {
         return std::vector{Scroll(c, TB_THUMBTRACK, 5), Scroll(c, TB_THUMBPOSITION, 5), Scroll(c, TB_ENDTRACK, 0)};
     }},
    {"TBM_SETPOS says nothing", TRACKBAR_CLASSW, 0, Nothing, [](HWND c) { SendMessageW(c, TBM_SETPOS, TRUE, 40); },
     [](HWND) { return std::vector<Notice>{}; }},
};

class ControlNotificationTest : public ControlPanel {};

TEST_F(ControlNotificationTest, ThePanelHearsWhatTheUserDidButNotWhatTheProgramDid)
{
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.what);
        HWND control = Make(test.className, u"", test.style, kPlace, 1234);
        test.prepare(control);
        device::DeliverPaints();
        device::ClearMessageLog();
        test.act(control);
        EXPECT_EQ(Notices(), test.expected(control));
        DestroyWindow(control);
        SetFocus(nullptr);
    }
}

TEST_F(ControlNotificationTest, CheckBoxesToggleThemselvesOnlyWhenAutomatic)
{
    const struct {
        DWORD style;
        std::vector<LRESULT> checks;  // after each of three clicks
    } cases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_PUSHBUTTON, {0, 0, 0}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.style);
        HWND box = Make(u"button", u"Box", test.style, kPlace);
        for (LRESULT expected : test.checks) {
            ASSERT_TRUE(device::ClickControl(box));
            EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), expected);
        }
        EXPECT_EQ(Notices().size(), test.checks.size()) << "every click is told";
        DestroyWindow(box);
    }
}

TEST_F(ControlNotificationTest, BmSetCheckKeepsToTheStatesTheButtonHas)
{
    const struct {
        DWORD style;
        WPARAM given;
        LRESULT kept;
    } cases[] = {
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED},
        {BS_AUTOCHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
        {BS_3STATE, 7, BST_INDETERMINATE},
        {BS_DEFPUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
    };
    for (const auto& test : cases) {
        HWND button = Make(u"button", u"", test.style, kPlace);
        SendMessageW(button, BM_SETCHECK, test.given, 0);
        EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), test.kept) << test.style << " given " << test.given;
        DestroyWindow(button);
    }
}

}  // namespace
