// SHSipInfo and the driver's view of the input panel.
#include <aygshell.h>
#include <device/sip.h>

#include "process/remote_calls.h"
#include "shell/sip_manager.h"

using platform::shell::SipManager;

BOOL WINAPI SHSipInfo(UINT uiAction, UINT, PVOID pvParam, UINT)
{
    if ((uiAction != SPI_GETCURRENTIM && uiAction != SPI_SETCURRENTIM) || !pvParam) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // A program run by a device in another process works that device's panel.
    if (platform::process::OnRemoteDevice())
        return uiAction == SPI_SETCURRENTIM ? platform::process::RemoteSetCurrentIm(*static_cast<const CLSID*>(pvParam))
                                            : platform::process::RemoteGetCurrentIm(*static_cast<CLSID*>(pvParam));
    if (uiAction == SPI_SETCURRENTIM) return SipManager::Running().Select(*static_cast<const CLSID*>(pvParam));
    *static_cast<CLSID*>(pvParam) = SipManager::Running().Current();
    return TRUE;
}

namespace device {

bool SelectInputMethod(const CLSID& clsid) { return SipManager::Running().Select(clsid); }

CLSID CurrentInputMethod() { return SipManager::Running().Current(); }

void ShowInputPanel() { SipManager::Running().Show(); }

void HideInputPanel() { SipManager::Running().Hide(); }

bool IsInputPanelShown() { return SipManager::Running().IsShown(); }

RECT InputPanelRect() { return SipManager::Running().PanelRect(); }

bool IsInputPanelOn() { return SipManager::Running().IsOn(); }

HWND InputPanelWindow() { return SipManager::Running().Window(); }

HRESULT OpenInputMethodOptions() { return SipManager::Running().OpenOptions(); }

IIMCallback* InputPanelCallback() { return SipManager::Running().Callback(); }

}  // namespace device
