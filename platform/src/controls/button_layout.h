// Where a button puts its parts: the box of a check box and the text beside
// it, and how the text is aligned.
#pragma once

#include <windows.h>

namespace platform::controls {

constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxGap = 4;  // between the box and its text

enum class ButtonKind { Push, CheckBox };

ButtonKind KindOf(DWORD style);
bool IsDefaultPushButton(DWORD style);

struct CheckBoxLayout {
    RECT box;
    RECT text;
};

// The box stands at the left of CLIENT, or at its right with BS_LEFTTEXT,
// in the middle of its height; the text takes the rest of the width.
CheckBoxLayout LayOutCheckBox(const RECT& client, DWORD style);

// DrawTextW's flags for the text: BS_LEFT, BS_RIGHT or BS_CENTER, else
// centred on a push button and at the left of a check box; BS_TOP or
// BS_BOTTOM, else in the middle of the height.
UINT ButtonTextFormat(DWORD style);

}  // namespace platform::controls
