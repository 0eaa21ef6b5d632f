// What one key does in one modifier plane of a panel.
#pragma once

#include <windows.h>

enum KeyKind : LONG {
    KeyChar = 0,         // types its label
    KeyCommand = 1,      // stands for the virtual key in code
    KeyDead = 2,         // an accent that combines with the next letter
    KeyPanelSwitch = 3,  // shows the next panel
};

struct KeyDef {
    KeyKind kind;
    DWORD code;  // KeyCommand: the virtual-key code; 0 otherwise
    // KeyChar: the text typed and shown, empty when the key does nothing here;
    // KeyDead: the accent. Null for the other kinds.
    LPCWSTR label;
    // KeyDead: the letters the accent combines with and, position by
    // position, what they become. Empty for the other kinds.
    LPCWSTR deadBase;
    LPCWSTR deadComposed;
};

// The layout tables are arrays of these records: 20 bytes each on the 32-bit device.
static_assert(sizeof(void*) != 4 || sizeof(KeyDef) == 20, "a key record is 20 bytes on the device");

constexpr KeyDef Char(LPCWSTR text) { return {KeyChar, 0, text, TEXT(""), TEXT("")}; }
constexpr KeyDef Command(DWORD virtualKey) { return {KeyCommand, virtualKey, nullptr, TEXT(""), TEXT("")}; }
constexpr KeyDef Dead(LPCWSTR accent, LPCWSTR base, LPCWSTR composed) { return {KeyDead, 0, accent, base, composed}; }

inline constexpr KeyDef kNoChar = Char(TEXT(""));
inline constexpr KeyDef kPanelSwitch = {KeyPanelSwitch, 0, nullptr, TEXT(""), TEXT("")};
// A plane that a panel never selects holds nothing at all.
inline constexpr KeyDef kUnusedKey = {KeyChar, 0, nullptr, nullptr, nullptr};
