// Where the keys of a panel lie and which virtual key each one stands for.
#pragma once

#include <windows.h>

inline constexpr int kPanelWidth = 240;
inline constexpr int kPanelHeight = 80;
inline constexpr int kKeyCount = 61;

// Rectangles in window pixels, right and bottom exclusive, then the byte each
// key sends with Ctrl; a key's index is its position in both arrays.
struct KeyGeometry {
    RECT rects[kKeyCount];
    BYTE virtualKeys[kKeyCount];
};
