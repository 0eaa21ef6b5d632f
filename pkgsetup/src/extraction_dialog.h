// The small modeless dialog that shows how far the unpacking has come. It
// has no procedure and no message loop runs while it is up, so it is
// repainted explicitly.
#pragma once

#include <windows.h>

constexpr WORD kExtractionDialogId = 101;
constexpr int kExtractionProgressBarId = 1000;

class ExtractionDialog {
public:
    ExtractionDialog() = default;
    ~ExtractionDialog();
    ExtractionDialog(const ExtractionDialog&) = delete;
    ExtractionDialog& operator=(const ExtractionDialog&) = delete;

    // Creates the dialog from template 101 of INSTANCE and shows it in
    // front with its bar at 0 of TOTAL. FALSE, after reporting why and with
    // no dialog left, when it cannot appear or has no progress bar.
    BOOL Open(HINSTANCE instance, DWORD total);

    // Moves the bar to POSITION and repaints the whole dialog at once.
    void ShowProgress(DWORD position);

    // The bar full for a moment, then the dialog goes.
    void Finish(DWORD total);

private:
    HWND Create(HINSTANCE instance) const;

    HWND dialog_ = nullptr;
    HWND bar_ = nullptr;
};
