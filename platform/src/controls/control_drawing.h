// Drawing pieces the controls share: solid fills, frames, arrows and raised
// faces, in the device's system colours.
#pragma once

#include <string_view>

#include <windows.h>

namespace platform::controls {

// The font a control draws with: the one it was given, else the system font.
HFONT DrawingFont(HFONT given);

void FillColour(HDC hdc, const RECT& rect, COLORREF colour);

// A one-pixel frame just inside RECT in COLOUR; RECT then shrinks past it.
void DrawFrame(HDC hdc, RECT& rect, COLORREF colour);

// The look WS_BORDER gives a control without a frame of its own: a black
// line around its client area. RECT shrinks past it. (No window here has a
// non-client area, so each control draws its border inside its client area.)
void DrawWindowBorder(HDC hdc, RECT& rect, DWORD style);

// The white field of an edit control or a list box, with a sunken edge for
// WS_BORDER.
void DrawField(HDC hdc, RECT rect, DWORD style);

// A control's text: the window text colour, or grey when it is disabled.
COLORREF TextColour(bool enabled);

enum class ArrowDirection { Up, Down, Left, Right };

// A solid triangle pointing DIRECTION in the middle of BOX.
void DrawArrow(HDC hdc, const RECT& box, ArrowDirection direction, COLORREF colour);

// A button face in the 3-D colours, raised, or pushed in.
void DrawButtonFace(HDC hdc, RECT rect, bool pushed);

// A raised button with an arrow on it, grey when disabled.
void DrawArrowButton(HDC hdc, const RECT& rect, ArrowDirection direction, bool enabled);

int TextWidth(HDC hdc, std::u16string_view text);
// The height of a line of text in the font selected into HDC.
int LineHeight(HDC hdc);

}  // namespace platform::controls
