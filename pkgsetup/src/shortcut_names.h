// The English and localised names of the Start menu's well-known shortcuts
// and of its games folder, and the lookups between them.
#pragma once

#include <windows.h>

constexpr size_t kShortcutNameLength = 30;  // code units, the terminator included
constexpr DWORD kMaxShortcutPairs = 10;

struct ShortcutNamePair {
    WCHAR english[kShortcutNameLength];
    WCHAR localized[kShortcutNameLength];
};

struct ShortcutNameTable {
    ShortcutNamePair pairs[kMaxShortcutPairs];
    DWORD count;  // valid pairs, from the first
    // FALSE after a build that ended early: the pairs may mix two languages,
    // so the Start menu is left as it is.
    BOOL complete;
};

// The built-in Russian set, nine shortcuts and the games folder.
const ShortcutNameTable& RussianShortcutNames();

// Whether NAME is, without regard to case, the English name of a valid
// pair; LOCALIZED (kShortcutNameLength code units, may be null) receives
// the pair's localised name.
BOOL FindLocalizedName(LPCWSTR name, LPWSTR localized);

// The same from a localised name to the English one.
BOOL FindEnglishName(LPCWSTR name, LPWSTR english);
