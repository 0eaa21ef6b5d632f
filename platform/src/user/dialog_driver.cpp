// The driver's view of dialogs: which one the user sees, and the shell's
// buttons it can press on it.
#include <device/dialogs.h>
#include <windows.h>

#include "user/dialog_state.h"
#include "user/user_state.h"

using namespace platform::user;

namespace device {

bool IsDialog(HWND window) { return DialogStateOf(window) != nullptr; }

HWND CurrentDialog()
{
    for (auto waiting = ModalDialogs().rbegin(); waiting != ModalDialogs().rend(); ++waiting)
        if (IsDialog(*waiting)) return *waiting;
    HWND foreground = GetForegroundWindow();
    if (IsDialog(foreground) && IsWindowVisible(foreground)) return foreground;
    return NewestShownDialog();
}

std::string DialogName(HWND dialog)
{
    DialogState* state = DialogStateOf(dialog);
    return state ? state->name : "that is gone";
}

bool HasDoneButton(HWND dialog)
{
    DialogState* state = DialogStateOf(dialog);
    return state && state->doneButton;
}

// The shell's button sends what a button with IDOK would: a click with no
// control behind it.
bool PressDoneButton(HWND dialog)
{
    if (!HasDoneButton(dialog)) return false;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
}

bool AskForHelp(HWND dialog)
{
    if (!IsDialog(dialog)) return false;
    HWND focus = GetFocus();
    HWND subject = focus && GetParent(focus) == dialog ? focus : dialog;
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, GetDlgCtrlID(subject), subject, 0, {0, 0}};
    SendMessageW(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    return true;
}

}  // namespace device
