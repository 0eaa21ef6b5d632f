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

#define IDD_SAMPLE 300
#define IDD_SAMPLE_EXTENDED 301
#define IDD_EMPTY 302
#define IDC_NAME_LABEL 100
#define IDC_NAME 101
#define IDC_REMEMBER 102
#define IDC_LEVEL 103
#define IDC_SIP 200

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
