// The test library's resources and exports, shared by its resource script,
// its code and the tests.
#pragma once

#define IDB_MONO 1
#define IDB_FOUR_BIT 2
#define IDB_EIGHT_BIT 3
#define IDB_TRUE_COLOUR 4

#define IDS_HELLO 1
#define IDS_LONG 2
#define IDS_BOTH_LANGUAGES 16
#define IDS_RUSSIAN_ONLY 33
#define IDS_UNUSED_SLOT 34

#define IDR_GREETING 77

#ifndef RC_INVOKED
#include <windows.h>

// What the library saw of its own loading.
struct TestLibraryReport {
    int attaches;
    bool staticsBuiltBeforeAttach;
    HINSTANCE instanceAtAttach;
    int helloLengthAtAttach;  // LoadStringW of IDS_HELLO from within DllMain
};

using ReportFunction = void (*)(TestLibraryReport*);
using WatchDetachFunction = void (*)(int*);
#endif
