// Mirroring a dialog for a right-to-left language: places and alignments,
// class by class, and what a second mirroring restores.
#include <commctrl.h>

#include <iterator>
#include <vector>

#include "fresh_device.h"
#include "mirror_dialog.h"
#include "options_page.h"
#include "rect_text.h"

namespace {

struct MirrorCase {
    PageControl control;
    DWORD mirroredStyle;  // the low word of the style after one mirroring
    const char* why;
};

// On a page 240 pixels wide a control's new left edge is 240 less its old right edge.
const MirrorCase kCases[] = {
    {{1, TEXT("static"), SS_LEFT, {10, 10, 110, 20}, TEXT("")}, SS_RIGHT, "left text goes right"},
    {{2, TEXT("STATIC"), SS_RIGHT, {130, 20, 230, 30}, TEXT("")}, SS_LEFT, "right text goes left, any case"},
    {{3, TEXT("static"), SS_CENTER, {40, 30, 200, 40}, TEXT("")}, SS_CENTER, "centred text stays"},
    {{4, TEXT("Edit"), ES_LEFT | ES_AUTOHSCROLL, {0, 40, 60, 52}, TEXT("")}, ES_RIGHT | ES_AUTOHSCROLL,
     "an edit's text goes right"},
    {{5, TEXT("button"), BS_AUTOCHECKBOX, {5, 60, 155, 70}, TEXT("")}, BS_AUTOCHECKBOX | BS_RIGHT | BS_LEFTTEXT,
     "a check box without alignment: text right, box on the right of it"},
    {{6, TEXT("BUTTON"), BS_LEFT, {5, 70, 55, 84}, TEXT("")}, BS_RIGHT | BS_LEFTTEXT, "a left button goes right"},
    {{7, TEXT("button"), BS_CENTER | BS_LEFTTEXT, {5, 84, 55, 98}, TEXT("")}, BS_CENTER,
     "centred stays, the box side swaps back"},
    {{8, TEXT("msctls_trackbar32"), TBS_AUTOTICKS, {15, 100, 233, 116}, TEXT("")}, TBS_AUTOTICKS,
     "a trackbar keeps its style and direction"},
    {{9, TEXT("msctls_updown32"), UDS_ALIGNRIGHT | UDS_SETBUDDYINT, {200, 120, 212, 134}, TEXT("")},
     UDS_ALIGNLEFT | UDS_SETBUDDYINT, "an up-down on the right of its buddy goes left"},
    {{10, TEXT("msctls_updown32"), UDS_WRAP, {0, 140, 12, 154}, TEXT("")}, UDS_WRAP, "no side, no change"},
    {{11, TEXT("TTSTATIC"), SS_LEFT, {10, 160, 60, 170}, TEXT("")}, SS_RIGHT, "the platform's tooltip static"},
    {{12, TEXT("CAPEDIT"), ES_RIGHT, {10, 170, 60, 182}, TEXT("")}, ES_LEFT, "the platform's capitalising edit"},
    {{13, TEXT("TTBUTTON"), BS_RIGHT, {10, 182, 60, 196}, TEXT("")}, BS_LEFT | BS_LEFTTEXT,
     "the platform's tooltip button"},
    {{14, TEXT("listbox"), 0, {10, 200, 230, 260}, TEXT("")}, 0, "other classes keep their style"},
};

class MirrorDialogTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        // The platform's own control classes that the mirroring names.
        for (LPCWSTR name : {TEXT("TTSTATIC"), TEXT("CAPEDIT"), TEXT("TTBUTTON")}) {
            WNDCLASSW extraClass = {};
            extraClass.lpfnWndProc = DefWindowProcW;
            extraClass.lpszClassName = name;
            ASSERT_NE(RegisterClassW(&extraClass), 0);
        }
        std::vector<PageControl> controls;
        for (const MirrorCase& c : kCases) controls.push_back(c.control);
        page = CreatePage(controls.data(), static_cast<int>(controls.size()));
        ASSERT_NE(page, nullptr);
    }

    DWORD Style(int id) { return static_cast<DWORD>(GetWindowLongW(GetDlgItem(page, id), GWL_STYLE)) & 0xFFFF; }
    RECT Place(int id) { return PlaceOf(GetDlgItem(page, id)); }

    HWND page = nullptr;
};

}  // namespace

TEST_F(MirrorDialogTest, EveryControlMovesToTheMirroredPlaceAndSwapsItsAlignment)
{
    MirrorDialog(page);
    for (const MirrorCase& c : kCases) {
        const RECT& old = c.control.rect;
        RECT mirrored = {240 - old.right, old.top, 240 - old.left, old.bottom};
        EXPECT_EQ(RectText(Place(c.control.id)), RectText(mirrored)) << c.control.id << ": " << c.why;
        EXPECT_EQ(Style(c.control.id), c.mirroredStyle) << c.control.id << ": " << c.why;
    }
}

TEST_F(MirrorDialogTest, MirroringTwiceRestoresAllButAnUnalignedButton)
{
    MirrorDialog(page);
    MirrorDialog(page);
    for (const MirrorCase& c : kCases) {
        EXPECT_EQ(RectText(Place(c.control.id)), RectText(c.control.rect)) << c.control.id << ": " << c.why;
        DWORD expected = c.control.id == 5 ? (c.control.style | BS_LEFT) : c.control.style;
        EXPECT_EQ(Style(c.control.id), expected) << c.control.id << ": " << c.why;
    }
}
