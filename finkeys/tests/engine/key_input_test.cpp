// The keyboard driven by the pen on the device: what the host receives for
// taps, double taps, slides and swipes, and what the focused editor shows.
#include <windows.h>

#include <device/pen.h>
#include <device/sip.h>
#include <device/text.h>
#include <device/text_editor.h>

#include <vector>

#include "callback_sequence.h"
#include "keyboard_device.h"

namespace {

// Finnish panel keys.
enum : int {
    kAcuteKey = 12,
    kBackspaceKey = 13,
    kKeyQ = 15,
    kKeyE = 17,
    kKeyY = 20,
    kRingKey = 25,  // å, [ on the English panel
    kDiaeresisKey = 26,
    kCapsKey = 27,
    kKeyA = 28,
    kKeyS = 29,
    kKeyD = 30,
    kShiftKey = 40,
    kKeyX = 42,
    kKeyC = 43,
    kCtrlKey = 52,
    kPanelKey = 53,
    kSpaceKey = 55,
    kAltKey = 56,
    kLeftKey = 59,
    kRightKey = 60,
};

struct StrokeCase {
    const char* name;
    std::vector<Stroke> strokes;
    std::vector<ExpectedCallback> host;
    std::u16string text;
};

ExpectedCallback Char(const char* ch, const char* flags = "0x80")
{
    return {std::string("SendCharEvents(0x00, ") + flags + ", 1, \"" + ch + "\")"};
}

// A character typed with the given modifier flags: its down and its up event.
std::vector<ExpectedCallback> Typed(const char* ch, unsigned modifiers = 0)
{
    char down[16], up[16];
    std::snprintf(down, sizeof down, "0x%X", 0x80u | modifiers);
    std::snprintf(up, sizeof up, "0x%X", 0x10040u | modifiers);
    return {Char(ch, down), Char(ch, up)};
}

// A command key that types its own code: its down and its up event.
std::vector<ExpectedCallback> Pressed(UINT virtualKey)
{
    const char* ch = virtualKey == VK_BACK ? "\\b" : virtualKey == VK_RETURN ? "\\r" : " ";
    char down[64], up[64];
    std::snprintf(down, sizeof down, "SendCharEvents(0x%02X, 0x80, 1, \"%s\")", virtualKey, ch);
    std::snprintf(up, sizeof up, "SendCharEvents(0x%02X, 0x10040, 1, \"%s\")", virtualKey, ch);
    return {{down}, {up}};
}

std::vector<ExpectedCallback> Join(std::initializer_list<std::vector<ExpectedCallback>> parts)
{
    std::vector<ExpectedCallback> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<ExpectedCallback> Key(const char* line) { return {{line}}; }

const unsigned kShift = 0x20000000;
const unsigned kCaps = 0x08000000;

}  // namespace

class KeyInputTest : public KeyboardDevice {
protected:
    void RunCases(const std::vector<StrokeCase>& cases);
};

void KeyInputTest::RunCases(const std::vector<StrokeCase>& cases)
{
    for (const StrokeCase& c : cases) {
        SCOPED_TRACE(c.name);
        device::ClearEditor();
        Run(c.strokes);
        EXPECT_TRUE(CallbackLogMatches(c.name, c.host));
        EXPECT_EQ(device::Utf8(device::EditorText()), device::Utf8(c.text));
        // Each case leaves nothing latched or pending for the next: a plain
        // letter afterwards comes out plain.
        Run(std::vector<Stroke>{Tap(kKeyX)});
        EXPECT_TRUE(CallbackLogMatches(std::string(c.name) + ", then x", Typed("x")));
    }
}

TEST_F(KeyInputTest, DeadKeysComposeWithTheNextLetterOrAreTypedAlone)
{
    const std::vector<StrokeCase> cases = {
        {"´ e gives é once", {Tap(kAcuteKey), Tap(kKeyE)}, Typed("é"), u"é"},
        {"´ x types the accent, then x", {Tap(kAcuteKey), Tap(kKeyX)}, Join({Typed("´"), Typed("x")}), u"´x"},
        {"´ ´ cancels the accent", {Tap(kAcuteKey), Tap(kAcuteKey), Tap(kKeyE)}, Typed("e"), u"e"},
        {"´ Space types the accent alone", {Tap(kAcuteKey), Tap(kSpaceKey), Tap(kKeyE)},
         Join({Typed("´"), Typed("e")}), u"´e"},
        {"¨ y gives ÿ", {Tap(kDiaeresisKey), Tap(kKeyY)}, Typed("ÿ"), u"ÿ"},
        {"¨ then Shift ¨ replaces it by ^, and a gives â",
         {Tap(kDiaeresisKey), Tap(kShiftKey), Tap(kDiaeresisKey), Tap(kKeyA)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"), Typed("â")}), u"â"},
        {"a letter the accent does not take types both", {Tap(kDiaeresisKey), Tap(kKeyS)},
         Join({Typed("¨"), Typed("s")}), u"¨s"},
        {"the accent survives Backspace", {Tap(kAcuteKey), Tap(kBackspaceKey), Tap(kKeyE)},
         Join({Pressed(VK_BACK), Typed("é")}), u"é"},
    };
    RunCases(cases);
}

TEST_F(KeyInputTest, ModifiersLatchForOneStrokeAndLockOnADoubleTap)
{
    const std::vector<StrokeCase> cases = {
        {"Shift a types A, then Shift is released", {Tap(kShiftKey), Tap(kKeyA)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Typed("A", kShift), Key("SendVirtualKey(0x10, 0x2)")}), u"A"},
        {"a double tap locks Shift until it is tapped again",
         {Tap(kShiftKey), SecondTap(kShiftKey), Tap(kKeyA), Tap(kKeyS), Tap(kShiftKey), Tap(kKeyD)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Typed("A", kShift), Typed("S", kShift),
               Key("SendVirtualKey(0x10, 0x2)"), Typed("d")}),
         u"ASd"},
        {"a quick second tap on a letter types it again", {Tap(kKeyA), SecondTap(kKeyA)},
         Join({Typed("a"), Typed("a")}), u"aa"},
        {"Alt e types € without the Alt flag", {Tap(kAltKey), Tap(kKeyE)},
         Join({Key("SendVirtualKey(0x12, 0x0)"), Typed("€"), Key("SendVirtualKey(0x12, 0x2)")}), u"€"},
        {"Alt Shift types nothing on a character key", {Tap(kAltKey), Tap(kShiftKey), Tap(kKeyE)},
         Join({Key("SendVirtualKey(0x12, 0x0)"), Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"),
               Key("SendVirtualKey(0x12, 0x2)")}),
         u""},
        {"a second tap later only releases Shift", {Tap(kShiftKey), Tap(kShiftKey), Tap(kKeyA)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"), Typed("a")}), u"a"},
        {"Caps Lock gives capitals and stays on",
         {Tap(kCapsKey), Tap(kKeyQ), Tap(kKeyA), Tap(kCapsKey)},
         Join({Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)"), Typed("Q", kCaps), Typed("A", kCaps),
               Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)")}),
         u"QA"},
        {"Ctrl c goes out as virtual keys and releases Ctrl", {Tap(kCtrlKey), Tap(kKeyC)},
         Join({Key("SendVirtualKey(0x11, 0x0)"), Key("SendVirtualKey(0x43, 0x0)"), Key("SendVirtualKey(0x43, 0x2)"),
               Key("SendVirtualKey(0x11, 0x2)")}),
         u""},
        {"Ctrl Shift c lets Shift go around the key", {Tap(kShiftKey), Tap(kCtrlKey), Tap(kKeyC)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x11, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"),
               Key("SendVirtualKey(0x43, 0x0)"), Key("SendVirtualKey(0x43, 0x2)"), Key("SendVirtualKey(0x10, 0x0)"),
               Key("SendVirtualKey(0x10, 0x2)"), Key("SendVirtualKey(0x11, 0x2)")}),
         u""},
        {"arrows carry the modifiers, Delete does not",
         {Tap(kKeyA), Tap(kKeyS), Tap(kLeftKey), Tap(kShiftKey), Tap(kRightKey), Tap(kLeftKey), Tap(kShiftKey),
          Tap(kBackspaceKey)},
         Join({Typed("a"), Typed("s"), Key("SendCharEvents(0x25, 0x80, 0, \"\")"),
               Key("SendCharEvents(0x25, 0x10040, 0, \"\")"), Key("SendVirtualKey(0x10, 0x0)"),
               Key("SendCharEvents(0x27, 0x20000080, 0, \"\")"), Key("SendCharEvents(0x27, 0x20010040, 0, \"\")"),
               Key("SendVirtualKey(0x10, 0x2)"), Key("SendCharEvents(0x25, 0x80, 0, \"\")"),
               Key("SendCharEvents(0x25, 0x10040, 0, \"\")"), Key("SendVirtualKey(0x10, 0x0)"),
               Key("SendCharEvents(0x2E, 0x80, 0, \"\")"), Key("SendCharEvents(0x2E, 0x10040, 0, \"\")"),
               Key("SendVirtualKey(0x10, 0x2)")}),
         u"a"},
    };
    RunCases(cases);
}

// Key 28 (a) spans x 31-47 and y 33-48; its centre is (39, 40).
TEST_F(KeyInputTest, APressStaysOnItsKeyWithinFifteenPixelsAndSwipesBeyond)
{
    const std::vector<StrokeCase> cases = {
        {"slid 22 right, still within 15 of the edge", {Slide(kKeyA, 22, 0)}, Typed("a"), u"a"},
        {"slid 23 right, off the key: Space", {Slide(kKeyA, 23, 0)}, Pressed(VK_SPACE), u" "},
        {"slid 23 left, within 15 of the edge", {Slide(kKeyA, -23, 0)}, Typed("a"), u"a"},
        {"slid 24 left, off the key: Backspace", {Tap(kKeyS), Slide(kKeyA, -24, 0)}, Join({Typed("s"), Pressed(VK_BACK)}),
         u""},
        {"slid 22 down, within 15 of the bottom", {Slide(kKeyA, 0, 22)}, Typed("a"), u"a"},
        {"slid 23 down, off the key: Enter", {Slide(kKeyA, 0, 23)}, Pressed(VK_RETURN), u"\n"},
        {"slid off by 16 but not far enough for a swipe", {{46, 40, 16, 0}}, {}, u""},
        {"slid up more than 20 types the shifted key", {Slide(kKeyQ, 0, -21)}, Typed("Q", kShift), u"Q"},
        {"slid up 20 types the plain key", {Slide(kKeyQ, 0, -20)}, Typed("q"), u"q"},
        {"slid up under Caps Lock still types a capital without Caps",
         {Tap(kCapsKey), Slide(kKeyQ, 0, -30), Tap(kCapsKey)},
         Join({Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)"), Typed("Q", kShift),
               Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)")}),
         u"Q"},
        {"swipes neither use up Shift nor a dead key",
         {Tap(kShiftKey), Slide(kKeyA, 30, 0), Tap(kKeyA), Tap(kAcuteKey), Slide(kKeyA, 30, 0), Tap(kKeyE)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Pressed(VK_SPACE), Typed("A", kShift), Key("SendVirtualKey(0x10, 0x2)"),
               Pressed(VK_SPACE), Typed("é")}),
         u" A é"},
    };
    RunCases(cases);
}

TEST_F(KeyInputTest, ThePanelKeySwitchesBetweenFinnishAndEnglishReleasingLockedModifiers)
{
    const ExpectedCallback resized{"SetImInfo({0, 214, 240, 294}, 0x3)"};
    const std::vector<StrokeCase> cases = {
        {"key 25 is å, then [, then å again",
         {Tap(kRingKey), Tap(kPanelKey), Tap(kRingKey), Tap(kPanelKey), Tap(kRingKey)},
         Join({Typed("å"), {resized}, Typed("["), {resized}, Typed("å")}), u"å[å"},
        {"a locked Shift is released on both panels",
         {Tap(kShiftKey), SecondTap(kShiftKey), Tap(kPanelKey), Tap(kKeyA), Tap(kPanelKey), Tap(kKeyA)},
         Join({Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"), {resized}, Typed("a"), {resized},
               Typed("a")}),
         u"aa"},
        {"each panel keeps its own Caps Lock",
         {Tap(kCapsKey), Tap(kPanelKey), Tap(kKeyA), Tap(kPanelKey), Tap(kKeyA), Tap(kCapsKey)},
         Join({Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)"), {resized}, Typed("a"), {resized},
               Typed("A", kCaps), Key("SendVirtualKey(0x14, 0x0)"), Key("SendVirtualKey(0x14, 0x2)")}),
         u"aA"},
        {"a pending accent is dropped on leaving the panel",
         {Tap(kAcuteKey), Tap(kPanelKey), Tap(kPanelKey), Tap(kKeyE)}, Join({{resized}, {resized}, Typed("e")}), u"e"},
    };
    RunCases(cases);
}

TEST_F(KeyInputTest, HidingLetsGoOfALockedShiftAndShowingPressesItAgain)
{
    Run(std::vector<Stroke>{Tap(kShiftKey), SecondTap(kShiftKey)});
    device::HideInputPanel();
    device::ShowInputPanel();
    Run(std::vector<Stroke>{Tap(kKeyA)});
    EXPECT_TRUE(CallbackLogMatches("hide, show, a",
                                   Join({Key("SendVirtualKey(0x10, 0x0)"), Key("SendVirtualKey(0x10, 0x2)"),
                                         Key("SendVirtualKey(0x10, 0x0)"), Typed("A", kShift)})));
}

TEST_F(KeyInputTest, APenLiftedOverTheKeyboardAfterAPressElsewhereTypesNothing)
{
    POINT above = ScreenPoint(30, -100);
    device::PenDown(above.x, above.y);
    PenUp(200, 40);
    EXPECT_TRUE(CallbackLogMatches("pen-up alone", {}));
    Run(std::vector<Stroke>{Tap(kKeyA)});
    EXPECT_TRUE(CallbackLogMatches("a tap afterwards", Typed("a")));
}
