// What the controls have in common: the font they keep, the look they change
// when enabled or disabled, and the notifications they send their parent.
#pragma once

#include <string>

#include <windows.h>

namespace platform::controls {

// WM_SETFONT keeps FONT (a TRUE lParam redraws), WM_GETFONT answers it,
// WM_ENABLE redraws in the new look; anything else goes to DefWindowProcW.
LRESULT DefaultControlMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam);

// WM_SETTEXT kept by the window manager, then the control redrawn.
LRESULT SetTextAndRedraw(HWND control, WPARAM wParam, LPARAM lParam);

// The text the window manager keeps for the window (WM_SETTEXT's default),
// read without a message, as a control reads its own.
std::u16string WindowText(HWND window);

// True when WINDOW is of the class NAME (matched without regard to case).
bool HasClass(HWND window, LPCWSTR name);

// The whole control is to be drawn again.
void Redraw(HWND control);

// WM_COMMAND to the parent (or a popup's owner), naming the control and CODE.
void NotifyParent(HWND control, int code);

}  // namespace platform::controls
