#include "extraction_dialog.h"

#include <commctrl.h>

#include "setup_message.h"

ExtractionDialog::~ExtractionDialog()
{
    if (dialog_) DestroyWindow(dialog_);
}

BOOL ExtractionDialog::Open(HINSTANCE instance, DWORD total)
{
    dialog_ = Create(instance);
    if (!dialog_) {
        ShowSetupError(TEXT("Cannot Create hDlg"));
        return FALSE;
    }
    bar_ = GetDlgItem(dialog_, kExtractionProgressBarId);
    if (!bar_) {
        ShowSetupError(TEXT("Cannot Gep Progress bar"));
        DestroyWindow(dialog_);
        dialog_ = nullptr;
        return FALSE;
    }
    SendMessageW(bar_, PBM_SETRANGE32, 0, static_cast<LPARAM>(total));
    SendMessageW(bar_, PBM_SETPOS, 0, 0);
    ShowWindow(dialog_, SW_SHOW);
    UpdateWindow(dialog_);
    SetForegroundWindow(dialog_);
    SetActiveWindow(dialog_);
    return TRUE;
}

void ExtractionDialog::ShowProgress(DWORD position)
{
    SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    InvalidateRect(dialog_, nullptr, TRUE);
    UpdateWindow(dialog_);
}

void ExtractionDialog::Finish(DWORD total)
{
    SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(total), 0);
    Sleep(100);
    DestroyWindow(dialog_);
    dialog_ = nullptr;
}

HWND ExtractionDialog::Create(HINSTANCE instance) const
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(kExtractionDialogId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    LPCDLGTEMPLATEW dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)) : nullptr;
    if (!dialogTemplate) return nullptr;
    return CreateDialogIndirectParamW(instance, dialogTemplate, nullptr, nullptr, 0);
}
