// Key events for the host, through the callback the SIP manager registered
// with the module. Before a callback is registered nothing is sent.
#pragma once

#include <sipapi.h>
#include <windows.h>

inline constexpr UINT kKeyDownFlags = KeyStateDownFlag;
inline constexpr UINT kKeyUpFlags = KeyShiftNoCharacterFlag | KeyStatePrevDownFlag;

// The SendCharEvents flags for the modifiers that apply.
UINT ModifierFlags(bool shift, bool alt, bool caps, bool ctrl);

// One SendCharEvents call carrying CHAR_COUNT (0 or 1) characters CH.
void SendKeyEvent(UINT virtualKey, UINT flags, UINT charCount, WCHAR ch);
// A key-down and its key-up.
void SendKeyPress(UINT virtualKey, UINT modifierFlags, UINT charCount, WCHAR ch);
void SendVirtualKeyEvent(BYTE virtualKey, bool down);
