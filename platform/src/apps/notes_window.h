// The notes application: the device's focused application, a window over the
// work area that shows the text the input panel types, wrapped at its width,
// with the caret after what was typed, scrolled so that the caret shows.
#pragma once

#include <windef.h>

namespace platform::apps {

// Opens the application's window, shown and in the foreground, over the
// work area; its text is FocusedEditor's.
HWND OpenNotes();
// The window keeps to the work area above BOTTOM, the input panel's top
// while it is shown, as an application makes room for the panel.
void FitNotesAbove(HWND notes, LONG bottom);
// The device is going: the editor stops telling a window that is gone.
void CloseNotes();

}  // namespace platform::apps
