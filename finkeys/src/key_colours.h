// The colours of the keyboard's keys: one class colour for each kind of
// character, and the colour a key is filled with.
#pragma once

#include "key_def.h"

inline constexpr COLORREF kSeamColour = RGB(0x00, 0x00, 0x00);
inline constexpr COLORREF kLetterColour = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kDigitColour = RGB(0x7F, 0xFF, 0x7F);
inline constexpr COLORREF kSymbolColour = RGB(0xFF, 0xFF, 0x7F);
inline constexpr COLORREF kCommandColour = RGB(0x7F, 0xFF, 0xFF);
inline constexpr COLORREF kDeadKeyColour = RGB(0xFF, 0x7F, 0x7F);

// Punctuation, currency and the like, in ASCII and beyond.
bool IsSymbol(WCHAR ch);

// Light green for digits, light yellow for symbols, white for the rest
// (letters, character 0).
COLORREF ClassColour(WCHAR ch);

// The fill of a key drawn from DEF in colour, CLASS_CHAR being the character
// that classifies it (its virtual-key byte under Ctrl, else its label's
// first character); false for a kind that is never filled.
bool KeyFillColour(const KeyDef& def, WCHAR classChar, bool ctrl, COLORREF* colour);
