// The Pocket PC shell's services.
#pragma once

#include "sipapi.h"

extern "C" {
WINBASEAPI BOOL WINAPI SHSipInfo(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);

// Full-screen dialogs with the OK button in the navigation bar.
#define SHIDIM_FLAGS 0x0001
#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010

typedef struct tagSHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
} SHINITDLGINFO, *PSHINITDLGINFO;

WINBASEAPI BOOL WINAPI SHInitDialog(PSHINITDLGINFO pshidi);

// What a dialog wants of the input panel while one of its controls has the focus.
typedef enum tagSIPSTATE {
    SIP_UP = 0,
    SIP_DOWN,
    SIP_FORCEDOWN,
    SIP_UNCHANGED,
    SIP_INPUTDIALOG,
} SIPSTATE;

WINBASEAPI BOOL WINAPI SHSipPreference(HWND hwnd, SIPSTATE st);
}

// A control placed in a dialog that raises the input panel when an edit
// control of the dialog takes the focus and lowers it when it loses it.
#define WC_SIPPREF TEXT("SIPPREF")
