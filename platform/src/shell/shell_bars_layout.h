// Where things sit on the shell's two bars, in each bar's own client
// coordinates: pure geometry, so that painting and the pen agree.
#pragma once

#include <cstdint>
#include <string>

#include <windef.h>

namespace platform::shell {

// The navigation bar along the top of the screen.
extern const RECT kStartFlag;   // the Start flag at its left end
extern const RECT kTitleArea;   // the foreground window's title, after the flag
extern const RECT kDoneButton;  // the shell's OK button at its right end, for
                                // dialogs that have one
// The time, at the right end, or left of the OK button when there is one.
RECT TimeArea(bool doneButton);

// The menu bar along the bottom: the input-panel button at its right end.
extern const RECT kSipButton;

// What the navigation bar's clock shows TICKS milliseconds after the device
// started: hours and minutes, "10:38". The clock is set to 10:38 when the
// device starts; it turns over at midnight.
std::u16string ClockText(uint64_t ticks);

}  // namespace platform::shell
