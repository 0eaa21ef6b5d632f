// The 26 numbered rule tables: where each is stored, how the options page
// names it, and the content it has until the user changes it.
#pragma once

#include <windows.h>

struct TranslitTable {
    LPCWSTR valueName;  // REG_SZ under the product key
    LPCWSTR listName;   // as the options page lists it
    LPCWSTR builtIn;    // what a missing value is taken to hold
};

const int kTranslitTableCount = 26;

// Table N is entry N - 1; the number 0 means no table.
extern const TranslitTable kTranslitTables[kTranslitTableCount];
