// Single pixels of the drawn keyboard: the colour classes of the keys, the
// cache that keeps what it was drawn with, and a settings change that drops it.
#include <array>
#include <span>

#include <device/sip.h>

#include "key_colours.h"
#include "keyboard_drawing_device.h"
#include "panel_layout.h"

namespace {

constexpr int kPanelSwitchKey = 53;

RECT FinnishKey(int key)
{
    RECT rect;
    KeyRect(kFinnishLayout, &rect, key);
    return rect;
}

struct KeyColour {
    int key;
    COLORREF colour;
    const char* why;
};

class KeyPixelsTest : public KeyboardDrawingDevice {
protected:
    // A key's fill, seen beside its corner where no label or ink reaches.
    COLORREF Fill(int key)
    {
        RECT rect = FinnishKey(key);
        return KeyboardPixel(rect.left + 1, rect.top + 1);
    }

    void ExpectColours(std::span<const KeyColour> cases)
    {
        for (const KeyColour& c : cases) EXPECT_EQ(Fill(c.key), c.colour) << "key " << c.key << ": " << c.why;
    }

    // Pixels of KEY that are neither its fill nor white: its label's ink.
    int InkPixels(int key)
    {
        device::Image image = KeyboardImage();
        RECT rect = FinnishKey(key);
        COLORREF fill = image.At(rect.left + 1, rect.top + 1);
        int ink = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) ink += image.At(x, y) != fill;
        return ink;
    }
};

}  // namespace

TEST_F(KeyPixelsTest, ColoursTheFinnishKeysByWhatTheyType)
{
    const KeyColour cases[] = {
        {1, kDigitColour, "digits are light green"},   {10, kDigitColour, "digits are light green"},
        {0, kSymbolColour, "§ is a symbol"},           {11, kSymbolColour, "+ is light yellow"},
        {12, kDeadKeyColour, "´ is a dead key"},       {26, kDeadKeyColour, "¨ is a dead key"},
        {15, kLetterColour, "letters are white"},      {25, kLetterColour, "å is a letter"},
        {37, kLetterColour, "ö is a letter"},          {14, kCommandColour, "Tab is a command key"},
        {13, kCommandColour, "Backspace is a command"}, {57, kCommandColour, "arrows are command keys"},
        {60, kCommandColour, "arrows are command keys"}, {55, kLetterColour, "the space bar is white"},
        {kPanelSwitchKey, kCommandColour, "the panel switch is light cyan"},
    };
    ExpectColours(cases);
    EXPECT_GT(InkPixels(kPanelSwitchKey), 10) << "the panel switch carries its label Fi";
    EXPECT_EQ(KeyboardPixel(0, 0), kSeamColour) << "the seams between keys are black";
}

TEST_F(KeyPixelsTest, UnderCtrlKeysAreClassedByTheirVirtualKeys)
{
    Run(std::array{Tap(52)});
    const KeyColour cases[] = {
        {0, kSymbolColour, "key 0 sends 0x60, a symbol"},
        {39, kSymbolColour, "key 39 sends 0x20, a symbol"},
        {12, kSymbolColour, "the dead key ´ sends 0x3D, a symbol"},
        {25, kSymbolColour, "å sends 0x5B, a symbol"},
        {15, kLetterColour, "q sends the letter Q"},
        {1, kDigitColour, "digits stay digits"},
    };
    ExpectColours(cases);
}

// The Ctrl image is drawn for the modifiers latched when Ctrl was, and only
// the changing keys are drawn over it: Shift latched later shows on the
// Shift key but not on key 13, whose Backspace face would become Delete.
TEST_F(KeyPixelsTest, APaintFromTheCacheRedrawsOnlyTheChangingKeys)
{
    Run(std::array{Tap(52)});
    device::Image backspace = KeyboardImage();
    Run(std::array{Tap(40)});
    device::Image shifted = KeyboardImage();
    RECT key13 = FinnishKey(13);
    for (int y = key13.top; y < key13.bottom; ++y)
        for (int x = key13.left; x < key13.right; ++x)
            ASSERT_EQ(shifted.At(x, y), backspace.At(x, y)) << "key 13 at (" << x << ", " << y << ")";
    RECT shift = FinnishKey(40);
    EXPECT_NE(shifted.At(shift.left + 1, shift.top + 1), backspace.At(shift.left + 1, shift.top + 1))
        << "the Shift key is drawn live, inverted";
}

TEST_F(KeyPixelsTest, ASettingsChangeDropsTheImagesOfBothPanels)
{
    Run(std::array{Tap(kPanelSwitchKey)});
    EXPECT_EQ(Fill(1), kDigitColour) << "the English panel's image is drawn in colour";
    Run(std::array{Tap(kPanelSwitchKey)});
    EXPECT_EQ(Fill(1), kDigitColour) << "the Finnish panel's image is drawn in colour";

    SetKeyboardSetting(TEXT("KbdColored"), 0);
    const KeyColour cases[] = {
        {1, kLetterColour, "without colours every key is white"},
        {12, kLetterColour, "without colours every key is white"},
        {14, kLetterColour, "without colours every key is white"},
        {kPanelSwitchKey, kLetterColour, "without colours every key is white"},
    };
    ExpectColours(cases);
    Run(std::array{Tap(kPanelSwitchKey)});
    EXPECT_EQ(Fill(1), kLetterColour) << "the English panel's old image is dropped as well";
}

TEST_F(KeyPixelsTest, AKeyHeldWhileAnotherInputMethodIsSelectedIsDrawnReleasedOnReturn)
{
    HoldKey(28);
    ASSERT_NE(Fill(28), kLetterColour) << "a held key is drawn inverted";
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    Stroke a = Tap(28);
    PenUp(a.x, a.y);
    ASSERT_TRUE(device::SelectInputMethod(kFinnishKeyboard));
    device::ShowInputPanel();
    EXPECT_EQ(Fill(28), kLetterColour);
}
