// Right-to-left layout of a dialog made for left-to-right text.
#pragma once

#include <windows.h>

// Moves every child of DIALOG to the mirrored place (its left edge where its
// right edge was, measured from the dialog's right edge) and swaps the text
// alignment of statics, edits, buttons and up-down controls. Trackbars and
// other classes keep their style, so a trackbar keeps its direction. Doing
// it twice restores the dialog, except that a button without an alignment
// of its own ends left-aligned.
void MirrorDialog(HWND dialog);
