// The user's hand on the platform's controls, for tests and pocketsim: each
// action goes through the control's own pen and keyboard handling, as a
// person's would. An action that cannot be done (the control is disabled,
// hidden, of another class, or the item or position is out of reach)
// changes nothing and answers false; ControlActionFailure says why.
#pragma once

#include <string>
#include <string_view>

#include <windef.h>

namespace device {

// A tap at the control's centre: a push button, a check box.
bool ClickControl(HWND control);
// Gives the edit control the focus, then types TEXT into it character by
// character; "\b" is Backspace.
bool TypeIntoControl(HWND edit, std::u16string_view text);
// A list box: brings the item into view and taps it. A combo box: taps the
// box to drop its list down, then the item.
bool ChooseListItem(HWND listOrCombo, int index);
// Puts the pen on the trackbar's thumb, drags it to POSITION's place and lifts it.
bool MoveTrackbar(HWND trackbar, int position);
std::string ControlActionFailure();

// One line for pocketsim's "dialog print": the id, the class as the platform
// names it, the text, enabled or disabled, the state the class has (checked,
// position and range, selection and count), and the place in the parent's
// client area, e.g.
//   2002 button "Character repeat" enabled checked (8,34)-(233,50)
std::string DescribeControl(HWND control);

}  // namespace device
