// SHSipPreference: what a window wants of the input panel, carried out at
// once and recorded for the driver.
#include <aygshell.h>

#include <device/bounded_log.h>
#include <device/clock.h>
#include <device/sip.h>

#include "kernel/api_guard.h"
#include "shell/sip_manager.h"

namespace {

device::BoundedLog<device::SipPreferenceCall> calls;

// SIP_UNCHANGED, and SIP_INPUTDIALOG (which only marks a dialog as one for
// input), leave the panel as it is.
BOOL Carry(HWND hwnd, SIPSTATE state)
{
    if (!IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    switch (state) {
    case SIP_UP:
        platform::shell::SipManager::Running().Show();
        return TRUE;
    case SIP_DOWN:
    case SIP_FORCEDOWN:
        platform::shell::SipManager::Running().Hide();
        return TRUE;
    case SIP_UNCHANGED:
    case SIP_INPUTDIALOG:
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

}  // namespace

BOOL WINAPI SHSipPreference(HWND hwnd, SIPSTATE st)
{
    return platform::kernel::Guarded<BOOL>(FALSE, [&] {
        BOOL answer = Carry(hwnd, st);
        calls.Add({device::Now(), hwnd, st, answer});
        return answer;
    });
}

namespace device {

const std::vector<SipPreferenceCall>& SipPreferenceLog() { return calls.Entries(); }

size_t SipPreferenceLogDropped() { return calls.Dropped(); }

void ClearSipPreferenceLog() { calls.Clear(); }

}  // namespace device
