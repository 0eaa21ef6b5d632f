#include "mui_settings.h"

#include "module_state.h"
#include "registry_values.h"
#include "setup_keys.h"

namespace {

bool WriteSystemMuiValues()
{
    HKEY machine = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kMuiKey, machine) != ERROR_SUCCESS) return false;
    bool written = WriteRegDword(machine, TEXT("Enable"), 1) == ERROR_SUCCESS &&
                   WriteRegDword(machine, TEXT("SysLang"), TheModuleState().preSwapSystemLcid) == ERROR_SUCCESS;
    RegCloseKey(machine);
    return written;
}

bool WriteUserMuiValue(DWORD language)
{
    HKEY user = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kMuiKey, user) != ERROR_SUCCESS) return false;
    bool written = WriteRegDword(user, TEXT("CurLang"), language) == ERROR_SUCCESS;
    if (written) RegFlushKey(user);
    RegCloseKey(user);
    return written;
}

}  // namespace

BOOL WriteMuiSettings(DWORD language) { return WriteSystemMuiValues() && WriteUserMuiValue(language); }

// A machine key already gone (a removal stopped by a power loss after
// deleting it) does not keep the user's.
BOOL DeleteMuiKeys()
{
    LONG machine = RegDeleteKeyW(HKEY_LOCAL_MACHINE, kMuiKey);
    if (machine != ERROR_SUCCESS && machine != ERROR_FILE_NOT_FOUND) return FALSE;
    return RegDeleteKeyW(HKEY_CURRENT_USER, kMuiKey) == ERROR_SUCCESS;
}
