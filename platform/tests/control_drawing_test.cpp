#include <device/controls.h>
#include <device/screen.h>

#include "control_panel.h"
#include "golden_image.h"

namespace {

struct Row {
    LPCWSTR className;
    LPCWSTR text;
    DWORD style;
    RECT rect;  // within the column
};

// Every control the product's dialogs use, in one column.
const Row kColumn[] = {
    {u"static", u"A label long enough to wrap", SS_LEFT, {0, 4, 114, 30}},
    {u"static", u"Right", SS_RIGHT, {0, 32, 114, 45}},
    {u"button", u"OK", BS_DEFPUSHBUTTON, {0, 48, 54, 70}},
    {u"button", u"Cancel", BS_PUSHBUTTON, {60, 48, 114, 70}},
    {u"button", u"Repeat", BS_AUTOCHECKBOX, {0, 74, 114, 90}},
    {u"button", u"Left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, {0, 92, 114, 108}},
    {u"edit", u"Edit text", WS_BORDER | ES_AUTOHSCROLL, {0, 110, 114, 130}},
    {u"listbox", u"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, {0, 134, 114, 180}},
    {u"combobox", u"", CBS_DROPDOWNLIST | WS_VSCROLL, {0, 184, 114, 284}},
    {TRACKBAR_CLASSW, u"", TBS_AUTOTICKS, {0, 210, 114, 228}},
    {PROGRESS_CLASSW, u"", WS_BORDER, {0, 232, 114, 246}},
    {UPDOWN_CLASSW, u"", 0, {0, 250, 14, 266}},
};

const LPCWSTR kRows[] = {u"One", u"Two", u"Three", u"Four", u"Five"};

class ControlDrawingTest : public ControlPanel {
protected:
    // The column's controls at LEFT, each in a state worth seeing.
    std::vector<HWND> MakeColumn(int left, bool enabled)
    {
        std::vector<HWND> made;
        for (const Row& row : kColumn) {
            RECT rect = row.rect;
            OffsetRect(&rect, left, 0);
            HWND control = Make(row.className, row.text, row.style, rect, 1000 + static_cast<int>(made.size()));
            made.push_back(control);
        }
        SendMessageW(made[4], BM_SETCHECK, BST_CHECKED, 0);
        for (LPCWSTR text : kRows) {
            SendMessageW(made[7], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            SendMessageW(made[8], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        SendMessageW(made[7], LB_SETCURSEL, 1, 0);
        SendMessageW(made[8], CB_SETCURSEL, 2, 0);
        SendMessageW(made[9], TBM_SETRANGE, FALSE, MAKELONG(0, 8));
        SendMessageW(made[9], TBM_SETPOS, TRUE, 3);
        SendMessageW(made[10], PBM_SETPOS, 40, 0);
        for (HWND control : made) EnableWindow(control, enabled);
        return made;
    }
};

TEST_F(ControlDrawingTest, EveryControlDrawsItselfEnabledAndDisabled)
{
    MakeColumn(4, true);
    MakeColumn(122, false);
    device::DeliverPaints();
    EXPECT_TRUE(MatchesGolden(device::CaptureScreenRect(kPanel), PLATFORM_GOLDEN "/controls_panel.png"));
}

TEST_F(ControlDrawingTest, AComboBoxDropsItsListOverWhatLiesBelowAndAFocusedEditShowsItsCaret)
{
    std::vector<HWND> made = MakeColumn(4, true);
    ASSERT_TRUE(device::TypeIntoControl(made[6], u"!"));
    SendMessageW(made[8], CB_SHOWDROPDOWN, TRUE, 0);
    device::DeliverPaints();
    EXPECT_TRUE(MatchesGolden(device::CaptureScreenRect(kPanel), PLATFORM_GOLDEN "/controls_dropped.png"));
}

}  // namespace
