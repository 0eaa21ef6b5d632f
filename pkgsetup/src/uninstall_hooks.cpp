// The installer's two calls around removing the package. The removal takes
// two passes with a restart between them; the "FirstPass" record in the
// product key tells the second from the first.
#include <ce_setup.h>
#include <pkfuncs.h>

#include "boot_program.h"
#include "control_panel_applet.h"
#include "first_pass.h"
#include "font_exchange.h"
#include "interface_files.h"
#include "interface_languages.h"
#include "locale_swap.h"
#include "module_state.h"
#include "mui_settings.h"
#include "restart_program.h"
#include "right_to_left_languages.h"
#include "setup_message.h"
#include "shortcut_name_table.h"
#include "start_menu_localization.h"

namespace {

constexpr DWORD kSettleTime = 500;
constexpr DWORD kRestartTime = 5000;

// The Start menu goes back from the folders of the language the interface
// shows, with the shortcut names of the package language.
codeUNINSTALL_INIT RemoveAfterRestart(DWORD launchNumber)
{
    ModuleState& state = TheModuleState();
    // Stands until the installer's last call.
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    UnregisterRestartProgram(launchNumber);
    BuildShortcutNameTable(state.packageLanguage);
    LocalizeStartMenu(state.interfaceLanguage, FALSE, TRUE);
    DeleteInterfaceFiles();
    Sleep(kSettleTime);
    return codeUNINSTALL_INIT_CONTINUE;
}

bool UserAgreesToRestart(HWND parent)
{
    return MessageBoxW(parent,
                       TEXT("You need to restart your device to complete uninstallation. Save all unsaved "
                            "documents and press OK to restart."),
                       TEXT("Lexovia"), MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST) != IDCANCEL;
}

void RestoreDeviceSettings()
{
    PutSystemLocaleBack();
    DeleteMuiKeys();
    RemoveControlPanelApplet();
    UnregisterBootProgram();
    if (IsRightToLeftLanguage(TheModuleState().packageLanguage)) ExchangeFontFiles(ExchangeDirection::Uninstall);
}

// Answers cancel either way: after a restart the package is still there
// for the second pass, and without one the record makes the next removal
// that pass.
codeUNINSTALL_INIT RemoveBeforeRestart(HWND parent, LPCWSTR installDirectory)
{
    if (!UserAgreesToRestart(parent)) return codeUNINSTALL_INIT_CANCEL;
    RestoreDeviceSettings();
    DWORD launchNumber = RegisterRestartProgram(installDirectory);
    // A record of 0 reads as no first pass, which would repeat this one at
    // every removal.
    if (launchNumber == 0) {
        ShowSetupError(TEXT("Cannot add the restart program to the boot launch list. Uninstallation stopped."));
        return codeUNINSTALL_INIT_CANCEL;
    }
    WriteFirstPass(launchNumber);
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    Sleep(kRestartTime);
    return codeUNINSTALL_INIT_CANCEL;
}

}  // namespace

codeUNINSTALL_INIT Uninstall_Init(HWND hwndParent, LPCWSTR pszInstallDir)
{
    ReadInterfaceLanguages();
    DWORD launchNumber = TakeFirstPass();
    if (launchNumber != 0) return RemoveAfterRestart(launchNumber);
    return RemoveBeforeRestart(hwndParent, pszInstallDir);
}

codeUNINSTALL_EXIT Uninstall_Exit(HWND hwndParent)
{
    ShowSetupMessage(hwndParent, TEXT("Uninstallation completed"), MB_OK | MB_ICONINFORMATION);
    SetCursor(nullptr);
    return codeUNINSTALL_EXIT_DONE;
}
