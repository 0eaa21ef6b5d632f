// The setup hooks report each failure at once, in a box the user closes.
#pragma once

#include <windows.h>

// TEXT with the caption "QV Installation" over OWNER in STYLE.
void ShowSetupMessage(HWND owner, LPCWSTR text, UINT style);

// TEXT with the caption "QV Installation", no owner, MB_OK.
void ShowSetupError(LPCWSTR text);

// TEXT with the caption "QV Instal Folder" of the Start-menu steps, no owner, MB_OK.
void ShowFolderError(LPCWSTR text);

// "Cannot open '%s' file." with FILE_NAME, as a Start-menu step's failure.
void ShowCannotOpenFile(LPCWSTR fileName);
