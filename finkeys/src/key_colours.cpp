#include "key_colours.h"

#include <algorithm>
#include <iterator>

namespace {

// The symbols beyond ASCII, sorted.
constexpr WCHAR kWideSymbols[] = {
    0x00A3, 0x00A4, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00B0, 0x00B1,
    0x00B2, 0x00B3, 0x00B4, 0x00B6, 0x00B7, 0x00B8, 0x00BB, 0x00BD, 0x00D7, 0x00F7, 0x02C7, 0x02D8,
    0x02DB, 0x02DD, 0x060C, 0x061B, 0x061F, 0x2013, 0x2014, 0x2019, 0x20AA, 0x20AC, 0x2116,
};

bool IsDigit(WCHAR ch) { return ch >= TEXT('0') && ch <= TEXT('9'); }

bool IsAsciiLetter(WCHAR ch) { return (ch >= TEXT('A') && ch <= TEXT('Z')) || (ch >= TEXT('a') && ch <= TEXT('z')); }

}  // namespace

bool IsSymbol(WCHAR ch)
{
    if (ch >= 0x01 && ch <= 0x7F) return !IsDigit(ch) && !IsAsciiLetter(ch);
    return std::binary_search(std::begin(kWideSymbols), std::end(kWideSymbols), ch);
}

COLORREF ClassColour(WCHAR ch)
{
    if (IsDigit(ch)) return kDigitColour;
    if (IsSymbol(ch)) return kSymbolColour;
    return kLetterColour;
}

bool KeyFillColour(const KeyDef& def, WCHAR classChar, bool ctrl, COLORREF* colour)
{
    switch (def.kind) {
    case KeyChar:
        *colour = ClassColour(classChar);
        return true;
    case KeyCommand:
        *colour = def.code == VK_SPACE ? kLetterColour : kCommandColour;
        return true;
    case KeyDead:
        *colour = ctrl ? ClassColour(classChar) : kDeadKeyColour;
        return true;
    case KeyPanelSwitch:
        *colour = kCommandColour;
        return true;
    default:
        return false;
    }
}
