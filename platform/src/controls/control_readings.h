// What a control shows, read without sending it a message (which would show
// in the message log as the program's traffic), for the user's eye
// (DescribeControl) and hand (the control actions).
#pragma once

#include <optional>
#include <string>

#include <windows.h>

namespace platform::controls {

struct Position {
    int position;
    int minimum;
    int maximum;
};

struct Selection {
    int selected;  // -1 for none
    int count;
};

struct ControlReading {
    std::u16string text;                 // the text it shows
    std::optional<UINT> check;           // a check box's BST_ state
    std::optional<Position> position;    // a trackbar's or a progress bar's
    std::optional<Selection> selection;  // a list box's or a combo box's
    bool dropped = false;                // a combo box's list shows
};

// Any window: its text, and what its class adds.
ControlReading ReadControl(HWND control);

// Each adds what its class shows; CONTROL must be of that class.
void ReadButton(HWND control, ControlReading& reading);
void ReadEdit(HWND control, ControlReading& reading);
void ReadListBox(HWND control, ControlReading& reading);
void ReadComboBox(HWND control, ControlReading& reading);
void ReadTrackbar(HWND control, ControlReading& reading);
void ReadProgress(HWND control, ControlReading& reading);

}  // namespace platform::controls
