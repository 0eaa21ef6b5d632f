// A dialog's control texts in the languages the library carries: one row per
// language, each a list of (control, text) pairs in the order they are set.
#pragma once

#include <windows.h>

struct DialogStringPair {
    int controlId;  // the dialog itself when it is the id the caller names for it
    LPCWSTR text;
};

struct DialogStringTable {
    LCID language;
    const DialogStringPair* pairs;
    int pairCount;
};
