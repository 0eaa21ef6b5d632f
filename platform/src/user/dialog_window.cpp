// The dialog class's window procedure: the dialog procedure first, then the
// dialog manager's defaults.
#include <windows.h>

#include "kernel/api_guard.h"
#include "user/dialog_state.h"
#include "user/user_state.h"

namespace {

using namespace platform::user;

// Messages whose answer is the dialog procedure's own result; for the rest a
// procedure that handles one leaves its answer in DWL_MSGRESULT.
bool AnswersDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

void CloseAsCancel(HWND dialog)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

LRESULT DefaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogState* state = DialogStateOf(dialog);
    switch (message) {
    case WM_CLOSE:
        CloseAsCancel(dialog);
        return 0;
    case WM_SETFONT:
        if (state) state->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_DESTROY:
        if (state && state->font) DeleteObject(state->font);
        ForgetDialog(dialog);
        return 0;
    default:
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

LRESULT Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogState* state = DialogStateOf(dialog);
    if (state && state->procedure) {
        BOOL handled = state->procedure(dialog, message, wParam, lParam);
        if (handled && message != WM_DESTROY) {
            if (AnswersDirectly(message)) return handled;
            return IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWL_MSGRESULT) : 0;
        }
        if (!IsWindow(dialog)) return 0;  // the procedure destroyed its dialog
    }
    return DefaultHandling(dialog, message, wParam, lParam);
}

}  // namespace

LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return platform::kernel::Guarded<LRESULT>(0, [&] { return Handle(hDlg, Msg, wParam, lParam); });
}
