// What the dialog manager keeps for each dialog it made.
#pragma once

#include <string>
#include <vector>

#include <winuser.h>

#include "user/dialog_units.h"

namespace platform::user {

struct DialogState {
    DLGPROC procedure = nullptr;  // may be null: the dialog manager's defaults only
    HFONT font = nullptr;         // made from the template's font; the dialog deletes it
    DialogBaseUnits baseUnits{};
    std::string name;             // the caption or the template, for messages
    bool modal = false;
    bool ended = false;           // EndDialog was called
    int result = 0;               // EndDialog's result
    bool doneButton = false;      // SHInitDialog gave it the shell's OK button
};

// The dialog's state; null for a window that is not a live dialog.
DialogState* DialogStateOf(HWND dialog);
// Starts or ends the bookkeeping of a dialog.
DialogState& AddDialog(HWND dialog);
void ForgetDialog(HWND dialog);
// The newest live dialog shown, for a driver looking for one.
HWND NewestShownDialog();

// The modal dialogs waiting, innermost last.
std::vector<HWND>& ModalDialogs();

// Forgets every dialog and queued user action.
void ResetDialogs();

}  // namespace platform::user
