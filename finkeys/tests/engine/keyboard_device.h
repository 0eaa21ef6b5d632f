// A fresh device with the built keyboard library installed, registered, made
// the current input method and shown, and a pen that strokes its keys.
#pragma once

#include <objbase.h>

#include <span>

#include "fresh_device.h"

extern const CLSID kFinnishKeyboard;

// One pen stroke in keyboard-window pixels: down on a point, slid by (dx, dy)
// and lifted there.
struct Stroke {
    int x;
    int y;
    int dx = 0;
    int dy = 0;
    bool doubleTap = false;  // follows the previous stroke at once, at the same place
};

// A tap in the middle of KEY (key rectangles are those of the Finnish panel).
Stroke Tap(int key);
// The second, quick tap of a double tap on KEY.
Stroke SecondTap(int key);
// Down in the middle of KEY, slid by (dx, dy), lifted.
Stroke Slide(int key, int dx, int dy);

// Places the built library on the device and registers it.
void InstallKeyboard();
// Where a keyboard-window point lies on the screen, the window filling the
// input panel.
POINT ScreenPoint(int x, int y);

class KeyboardDevice : public FreshDevice {
protected:
    void SetUp() override;

    // Each stroke but a double tap's second comes after a pause long enough
    // that it is not taken for a double tap.
    void Run(std::span<const Stroke> strokes);
    void PenDown(int x, int y);
    void PenMove(int x, int y);
    void PenUp(int x, int y);
    // Writes a keyboard setting and lets the keyboard read it by hiding and
    // showing it.
    void SetKeyboardSetting(LPCWSTR name, DWORD value);
};
