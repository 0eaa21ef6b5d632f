// A held key repeats on the keyboard window's timers, at the delay and rate
// the settings ask for when the key is pressed.
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

using KeyRepeatTest = KeyboardDevice;

}  // namespace

TEST_F(KeyRepeatTest, AHeldKeyRepeatsAfterTheDelayAtTheRateAndAddsNothingAtPenUp)
{
    struct RepeatCase {
        DWORD delay;
        DWORD rate;
        DWORD firstAfter;
        DWORD nextEvery;
    };
    const RepeatCase cases[] = {{4, 4, 400, 140}, {0, 0, 2000, 700}, {9, 9, 200, 70}, {3, 6, 500, 100}};
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE("delay " + std::to_string(c.delay) + ", rate " + std::to_string(c.rate));
        SetKeyboardSetting(TEXT("KbdRepeatDelay"), c.delay);
        SetKeyboardSetting(TEXT("KbdRepeatRate"), c.rate);
        device::ClearEditor();
        PenDown(kA.x, kA.y);
        device::AdvanceClock(c.firstAfter - 1);
        EXPECT_TRUE(CallbackLogMatches("before the delay", {}));
        device::AdvanceClock(1);
        EXPECT_TRUE(CallbackLogMatches("first repeat", kTypedA));
        device::AdvanceClock(c.nextEvery - 1);
        EXPECT_TRUE(CallbackLogMatches("before the next", {}));
        device::AdvanceClock(1);
        EXPECT_TRUE(CallbackLogMatches("second repeat", kTypedA));
        device::AdvanceClock(c.nextEvery);
        EXPECT_TRUE(CallbackLogMatches("third repeat", kTypedA));
        PenUp(kA.x, kA.y);
        EXPECT_TRUE(CallbackLogMatches("pen-up", {}));
        EXPECT_EQ(device::Utf8(device::EditorText()), "aaa");
        device::AdvanceClock(5000);
        EXPECT_TRUE(CallbackLogMatches("after pen-up", {}));
    }
}

TEST_F(KeyRepeatTest, AQuickTapTypesOnceAtPenUp)
{
    PenDown(kA.x, kA.y);
    device::AdvanceClock(399);
    EXPECT_TRUE(CallbackLogMatches("pen-down", {}));
    PenUp(kA.x, kA.y);
    EXPECT_TRUE(CallbackLogMatches("pen-up", kTypedA));
}

TEST_F(KeyRepeatTest, NothingRepeatsWhenRepeatIsOff)
{
    SetKeyboardSetting(TEXT("KbdRepeat"), 0);
    PenDown(kA.x, kA.y);
    device::AdvanceClock(3000);
    EXPECT_TRUE(CallbackLogMatches("held", {}));
    PenUp(kA.x, kA.y);
    EXPECT_TRUE(CallbackLogMatches("pen-up", kTypedA));
}

TEST_F(KeyRepeatTest, RepeatingStopsForGoodWhenThePenLeavesTheKey)
{
    PenDown(kA.x, kA.y);
    device::AdvanceClock(400);
    EXPECT_TRUE(CallbackLogMatches("first repeat", kTypedA));
    PenMove(kA.x, kA.y + 40);
    device::AdvanceClock(1000);
    PenMove(kA.x, kA.y);
    device::AdvanceClock(1000);
    PenUp(kA.x, kA.y);
    EXPECT_TRUE(CallbackLogMatches("off the key and back", {}));
    EXPECT_EQ(device::Utf8(device::EditorText()), "a");
}
