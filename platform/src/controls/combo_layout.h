// Where a drop-down list combo box puts its parts: the closed box (its text
// and the arrow button in a sunken field) and the list it drops.
#pragma once

#include <windows.h>

namespace platform::controls {

constexpr int kComboEdge = 2;     // the sunken field's edge
constexpr int kComboPadding = 1;  // above and below the text
constexpr int kComboIndent = 2;   // before the text

struct ComboLayout {
    RECT text;    // where the selected row's text shows
    RECT button;  // the arrow button at the right
};

ComboLayout LayOutCombo(const RECT& client);

// The closed box is one row high, whatever height the box was made with.
int ClosedComboHeight(int rowHeight);

// The dropped list's height: as many rows as it has, at most as many as fit
// in the height the box was given beyond its closed height, at least one, and
// a frame around them.
int DroppedListHeight(int givenHeight, int rowHeight, int rows);

// The dropped list on the screen, as wide as the box: below it, or above it
// when it would pass the bottom of a screen SCREEN_HEIGHT tall.
RECT DroppedListRect(const RECT& box, int listHeight, int screenHeight);

}  // namespace platform::controls
