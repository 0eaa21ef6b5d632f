#include "setup_message.h"

#include "bounded_text.h"

void ShowSetupMessage(HWND owner, LPCWSTR text, UINT style)
{
    MessageBoxW(owner, text, TEXT("QV Installation"), style);
}

void ShowSetupError(LPCWSTR text) { ShowSetupMessage(nullptr, text, MB_OK); }

void ShowFolderError(LPCWSTR text) { MessageBoxW(nullptr, text, TEXT("QV Instal Folder"), MB_OK); }

void ShowCannotOpenFile(LPCWSTR fileName)
{
    WCHAR text[MAX_PATH + 32];
    if (JoinText(text, MAX_PATH + 32, TEXT("Cannot open '"), fileName, TEXT("' file."))) ShowFolderError(text);
}
