// The setup hooks a package's setup library exports for the cabinet
// installer: called before and after the package is placed, and before and
// after it is removed. The device is Unicode throughout, so the install
// directory is a wide string.
#pragma once

#include <windows.h>

extern "C" {

typedef enum {
    codeINSTALL_INIT_CONTINUE = 0,
    codeINSTALL_INIT_CANCEL
} codeINSTALL_INIT;

typedef enum {
    codeINSTALL_EXIT_DONE = 0,
    codeINSTALL_EXIT_UNINSTALL
} codeINSTALL_EXIT;

typedef enum {
    codeUNINSTALL_INIT_CONTINUE = 0,
    codeUNINSTALL_INIT_CANCEL
} codeUNINSTALL_INIT;

typedef enum {
    codeUNINSTALL_EXIT_DONE = 0
} codeUNINSTALL_EXIT;

codeINSTALL_INIT Install_Init(HWND hwndParent, BOOL fFirstCall, BOOL fPreviouslyInstalled, LPCWSTR pszInstallDir);
codeINSTALL_EXIT Install_Exit(HWND hwndParent, LPCWSTR pszInstallDir, WORD cFailedDirs, WORD cFailedFiles,
                              WORD cFailedRegKeys, WORD cFailedRegVals, WORD cFailedShortcuts);
codeUNINSTALL_INIT Uninstall_Init(HWND hwndParent, LPCWSTR pszInstallDir);
codeUNINSTALL_EXIT Uninstall_Exit(HWND hwndParent);

typedef codeINSTALL_INIT (*pfnINSTALL_INIT)(HWND hwndParent, BOOL fFirstCall, BOOL fPreviouslyInstalled,
                                            LPCWSTR pszInstallDir);
typedef codeINSTALL_EXIT (*pfnINSTALL_EXIT)(HWND hwndParent, LPCWSTR pszInstallDir, WORD cFailedDirs,
                                            WORD cFailedFiles, WORD cFailedRegKeys, WORD cFailedRegVals,
                                            WORD cFailedShortcuts);
typedef codeUNINSTALL_INIT (*pfnUNINSTALL_INIT)(HWND hwndParent, LPCWSTR pszInstallDir);
typedef codeUNINSTALL_EXIT (*pfnUNINSTALL_EXIT)(HWND hwndParent);
}

// The names the installer finds the hooks by.
#define szINSTALL_INIT TEXT("Install_Init")
#define szINSTALL_EXIT TEXT("Install_Exit")
#define szUNINSTALL_INIT TEXT("Uninstall_Init")
#define szUNINSTALL_EXIT TEXT("Uninstall_Exit")
