// Where a single-line edit control draws its text and where the pen's
// positions fall in it: pure geometry, measured by the caller's font.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include <windows.h>

#include "controls/edit_text.h"

namespace platform::controls {

constexpr int kEditBorder = 2;  // the sunken edge WS_BORDER gives
constexpr int kEditMargin = 1;  // between the edge and the text, each side

using MeasureText = std::function<int(std::u16string_view)>;

// Where text may be drawn in an edit control of CLIENT and STYLE.
RECT EditField(const RECT& client, DWORD style);

// How far from the text's start each position of it lies (the caret's
// places): one entry per UTF-16 position, the end included.
std::vector<int> CaretOffsets(std::u16string_view text, const MeasureText& width);

// Where the text starts: aligned as ES_LEFT, ES_CENTER or ES_RIGHT say while
// it fits the field; scrolled by SCROLL pixels from the left when it does not.
int TextLeft(const RECT& field, int textWidth, DWORD style, int scroll);

// True when a text of TEXT_WIDTH leaves the caret room after it in FIELD.
bool FitsField(const RECT& field, int textWidth);

// The scroll that keeps the caret, OFFSET pixels into the text, within the
// field and shows as much of the text as fits.
int ScrollShowingCaret(int scroll, int offset, int textWidth, const RECT& field);

// The caret position nearest X, counted from the text's start.
size_t NearestCaret(const EditText& text, const std::vector<int>& offsets, int x);

}  // namespace platform::controls
