// SHInitDialog: the Pocket PC's full-screen dialogs.
#include <aygshell.h>
#include <device/screen.h>
#include <device/sip.h>

#include "kernel/api_guard.h"
#include "user/dialog_state.h"

namespace {

// Full screen below the navigation bar, over the menu bar.
void SizeFullScreen(HWND dialog)
{
    MoveWindow(dialog, 0, device::kNavigationBarHeight, device::kScreenWidth,
               device::kScreenHeight - device::kNavigationBarHeight, TRUE);
}

// Down to the input panel when it is shown, else to the menu bar.
void SizeAboveInputPanel(HWND dialog)
{
    int bottom = device::IsInputPanelShown() ? device::InputPanelRect().top : device::kInputPanelBottom;
    MoveWindow(dialog, 0, device::kNavigationBarHeight, device::kScreenWidth, bottom - device::kNavigationBarHeight,
               TRUE);
}

BOOL Initialize(const SHINITDLGINFO& info)
{
    platform::user::DialogState* state = platform::user::DialogStateOf(info.hDlg);
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!(info.dwMask & SHIDIM_FLAGS)) return TRUE;
    if (info.dwFlags & SHIDIF_SIPDOWN) device::HideInputPanel();
    if (info.dwFlags & SHIDIF_SIZEDLGFULLSCREEN)
        SizeFullScreen(info.hDlg);
    else if (info.dwFlags & SHIDIF_SIZEDLG)
        SizeAboveInputPanel(info.hDlg);
    state->doneButton = (info.dwFlags & SHIDIF_DONEBUTTON) != 0;
    return TRUE;
}

}  // namespace

BOOL WINAPI SHInitDialog(PSHINITDLGINFO pshidi)
{
    if (!pshidi) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return platform::kernel::Guarded<BOOL>(FALSE, [&] { return Initialize(*pshidi); });
}
