// The keyboard's options page as its controls stand on the screen, built
// from the device's system control classes under a plain 240-pixel-wide
// parent, for tests of localisation without a dialog template.
#pragma once

#include <windows.h>

#include <string>

const int kOptionsPageId = 519;

struct PageControl {
    int id;
    LPCWSTR className;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    RECT rect;    // in the page's client pixels
    LPCWSTR text;
};

// The controls of resource 519, in template order, at their places in pixels.
extern const PageControl kOptionsPageControls[11];

// A visible parent at the top of the screen, below the task bar, and the
// controls as children; null when the window could not be made.
HWND CreatePage(const PageControl* controls, int count);
HWND CreateOptionsPage();

std::u16string TextOf(HWND window);
// A child's place in its parent's client pixels.
RECT PlaceOf(HWND child);
