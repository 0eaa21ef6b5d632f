// The painted title of an options page, checked by its pixels: the rule
// under it, the title's colour, place and weight.
#include <device/paint.h>
#include <device/screen.h>

#include "colour_canvas.h"
#include "fresh_device.h"
#include "paint_dialog_title.h"

namespace {

const WCHAR kTitle[] = TEXT("Options: Finnish keyboard");
const COLORREF kTitleColour = 0x9C0000;
const int kPageTop = 26;

LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) return PaintDialogTitle(kTitle, window);
    return DefWindowProcW(window, message, wParam, lParam);
}

int CountColour(const device::Image& image, COLORREF colour, const RECT& area)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += image.At(x, y) == colour;
    return count;
}

class PaintDialogTitleTest : public FreshDevice {
protected:
    // The page's top 60 pixels as painted.
    device::Image PaintedPage()
    {
        WNDCLASSW pageClass = {};
        pageClass.lpfnWndProc = PageProcedure;
        pageClass.lpszClassName = TEXT("TitledPage");
        RegisterClassW(&pageClass);
        HWND page = CreateWindowExW(0, TEXT("TitledPage"), TEXT(""), WS_POPUP | WS_VISIBLE, 0, kPageTop, 240, 200,
                                    nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(page);
        return device::CaptureScreenRect({0, kPageTop, 240, kPageTop + 60});
    }

    // The title in the same font at its normal weight, on a canvas.
    device::Image NormalWeightTitle()
    {
        ColourCanvas canvas(240, 60);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        SetTextColor(canvas.Dc(), kTitleColour);
        RECT title = {8, 0, 240, 24};
        DrawTextW(canvas.Dc(), kTitle, -1, &title, DT_SINGLELINE | DT_VCENTER);
        return canvas.Image();
    }
};

}  // namespace

TEST_F(PaintDialogTitleTest, ARaisedRuleRunsUnderTheTitle)
{
    device::Image page = PaintedPage();
    for (int x = 0; x < 240; ++x) {
        ASSERT_EQ(page.At(x, 25), GetSysColor(COLOR_3DDKSHADOW)) << "outer line of the rule at x " << x;
        ASSERT_EQ(page.At(x, 24), GetSysColor(COLOR_3DSHADOW)) << "inner line of the rule at x " << x;
    }
}

TEST_F(PaintDialogTitleTest, TheTitleIsDarkBlueBoldAndInItsPlace)
{
    device::Image page = PaintedPage();
    const RECT titleArea = {8, 0, 240, 24};
    int ink = CountColour(page, kTitleColour, titleArea);
    EXPECT_GT(ink, 50) << "the title is drawn in 0x9C0000";
    EXPECT_EQ(CountColour(page, kTitleColour, {0, 0, 240, 60}), ink) << "nothing of it outside its rectangle";
    EXPECT_GT(ink, CountColour(NormalWeightTitle(), kTitleColour, titleArea) * 11 / 10)
        << "bold: more ink than the same text at its normal weight";
}
