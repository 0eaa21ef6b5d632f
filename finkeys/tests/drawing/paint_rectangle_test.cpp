// A paint from the cached image copies to the window only what the paint is
// for: the rest of the window already shows the frame.
#include <device/gdi_calls.h>
#include <device/paint.h>
#include <device/sip.h>

#include "keyboard_drawing_device.h"
#include "panel_layout.h"

namespace {

using Call = device::BlitCall;

bool OnWindow(const Call& call) { return call.target != Call::Target::Memory; }

}  // namespace

class PaintRectangleTest : public KeyboardDrawingDevice {
protected:
    // Paints the keyboard once, filling the image cache, and returns the
    // keyboard window that paint drew on.
    HWND WarmCache()
    {
        device::ClearBlitLog();
        KeyboardImage();
        for (const Call& call : device::BlitLog())
            if (call.target == Call::Target::Paint && GetParent(call.window) == device::InputPanelWindow())
                return call.window;
        return nullptr;
    }
};

TEST_F(PaintRectangleTest, AnInvalidatedKeyIsAllThatIsCopiedToTheWindow)
{
    HWND keyboard = WarmCache();
    ASSERT_NE(keyboard, nullptr) << "the first paint copies the frame to the keyboard window";
    const struct {
        int key;
        const char* what;
    } cases[] = {
        {0, "the top-left key"},
        {25, "a letter key"},
        {55, "the space bar, drawn live over the image"},
        {60, "the bottom-right arrow"},
    };
    for (const auto& c : cases) {
        RECT rect;
        KeyRect(kFinnishLayout, &rect, c.key);
        ASSERT_TRUE(InvalidateRect(keyboard, &rect, FALSE));
        device::ClearBlitLog();
        device::DeliverPaints();
        std::vector<Call> copies;
        for (const Call& call : device::BlitLog())
            if (OnWindow(call)) copies.push_back(call);
        ASSERT_EQ(copies.size(), 1u) << c.what << ": one copy of the frame reaches the window";
        const Call expected{Call::Function::BitBlt, Call::Target::Paint, keyboard, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, SRCCOPY, TRUE};
        EXPECT_EQ(copies[0], expected) << c.what << ": only the key's rectangle is copied, got (" << copies[0].x
                                       << ", " << copies[0].y << ", " << copies[0].width << ", "
                                       << copies[0].height << ")";
    }
}
