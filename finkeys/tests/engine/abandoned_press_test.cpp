// A key held while the keyboard goes away: deselected for another input
// method, or hidden. The press ends with it, and nothing more is typed.
#include <device/clock.h>
#include <device/pen.h>
#include <device/sip.h>
#include <device/text.h>
#include <device/text_editor.h>

#include "callback_sequence.h"
#include "keyboard_device.h"

namespace {

const Stroke kA = Tap(28);
const std::vector<ExpectedCallback> kTypedA = {{"SendCharEvents(0x00, 0x80, 1, \"a\")"},
                                               {"SendCharEvents(0x00, 0x10040, 1, \"a\")"}};

class AbandonedPressTest : public KeyboardDevice {
protected:
    // Holds a until it has repeated once.
    void HoldAUntilItRepeats()
    {
        PenDown(kA.x, kA.y);
        device::AdvanceClock(400);
        ASSERT_EQ(device::Utf8(device::EditorText()), "a");
        device::ClearCallbackLog();
    }
};

}  // namespace

TEST_F(AbandonedPressTest, AnotherInputMethodSelectedWhileAKeyIsHeldEndsThePress)
{
    HoldAUntilItRepeats();
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    PenUp(kA.x, kA.y);
    device::AdvanceClock(2000);
    ASSERT_TRUE(device::SelectInputMethod(kFinnishKeyboard));
    device::ShowInputPanel();
    device::ClearCallbackLog();

    Run(std::vector{kA});
    EXPECT_TRUE(CallbackLogMatches("the first tap after coming back types", kTypedA));
    EXPECT_EQ(device::Utf8(device::EditorText()), "aa");
}

TEST_F(AbandonedPressTest, HidingWhileAKeyIsHeldStopsTheRepeat)
{
    HoldAUntilItRepeats();
    device::HideInputPanel();
    device::ClearCallbackLog();
    device::AdvanceClock(2000);
    EXPECT_TRUE(CallbackLogMatches("nothing typed while hidden", {}));
    PenUp(kA.x, kA.y);
    EXPECT_TRUE(CallbackLogMatches("nor when the pen is lifted", {}));
    EXPECT_EQ(device::Utf8(device::EditorText()), "a");

    device::ShowInputPanel();
    device::ClearCallbackLog();
    Run(std::vector{kA});
    EXPECT_TRUE(CallbackLogMatches("shown again, a tap types", kTypedA));
}
