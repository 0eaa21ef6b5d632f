// A shown keyboard whose drawing the test reads off the screen.
#pragma once

#include <device/screen.h>

#include "keyboard_device.h"

class KeyboardDrawingDevice : public KeyboardDevice {
protected:
    // The keyboard's 240 x 80 pixels as the screen shows them once the
    // pending paints are delivered.
    device::Image KeyboardImage();
    // One pixel of the keyboard, in keyboard-window coordinates.
    COLORREF KeyboardPixel(int x, int y);
    // The pen held down in the middle of KEY (Finnish key rectangles).
    void HoldKey(int key);
};
