// The installer's two calls around placing the package: the refusal of a
// second installation, and the steps that turn the placed files into a
// localised device.
#include <ce_setup.h>

#include "boot_program.h"
#include "control_panel_applet.h"
#include "font_exchange.h"
#include "interface_files.h"
#include "interface_languages.h"
#include "locale_swap.h"
#include "module_state.h"
#include "mui_settings.h"
#include "nls_support.h"
#include "pen_table_values.h"
#include "restart_program_path.h"
#include "right_to_left_languages.h"
#include "setup_message.h"
#include "shortcut_name_table.h"
#include "start_menu_localization.h"

namespace {

bool AnyFailed(WORD directories, WORD files, WORD keys, WORD values, WORD shortcuts)
{
    return directories != 0 || files != 0 || keys != 0 || values != 0 || shortcuts != 0;
}

// The Start menu and the multilingual settings need the interface files;
// everything else is done whether they were unpacked or not.
void LocalizeDevice(LPCWSTR installDirectory)
{
    ModuleState& state = TheModuleState();
    ReadInterfaceLanguages();
    BOOL interfaceFiles = ExtractInterfaceFiles(installDirectory);
    if (interfaceFiles) {
        BuildShortcutNameTable(state.packageLanguage);
        LocalizeStartMenu(state.packageLanguage, TRUE, FALSE);
    }
    PutPackageLocaleInPlace();
    // After the swap, which finds the system language it names.
    if (interfaceFiles) WriteMuiSettings(state.interfaceLanguage);
    PlaceControlPanelApplet(installDirectory);
    DeletePenTableValues();
    if (IsRightToLeftLanguage(state.packageLanguage)) {
        ExchangeFontFiles(ExchangeDirection::Install);
        RecordNlsSupport();
    }
    RegisterBootProgram();
}

bool UserWantsRestart(HWND parent)
{
    return MessageBoxW(parent,
                       TEXT("You should restart your device for new settings to take effect. Do you want to "
                            "restart your device now?"),
                       TEXT("Lexovia Installation"),
                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TOPMOST) == IDYES;
}

// Not waited for, and not reported when it cannot start: the user can still
// restart the device by hand.
void StartRestartProgram(LPCWSTR installDirectory)
{
    WCHAR path[MAX_PATH];
    if (!RestartProgramPath(installDirectory, path)) return;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, path, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &process)) return;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

}  // namespace

codeINSTALL_INIT Install_Init(HWND hwndParent, BOOL, BOOL fPreviouslyInstalled, LPCWSTR)
{
    if (!fPreviouslyInstalled) return codeINSTALL_INIT_CONTINUE;
    ShowSetupMessage(hwndParent, TEXT("You have to uninstall the previous version prior to the program installation"),
                     MB_OK | MB_ICONHAND | MB_TOPMOST);
    return codeINSTALL_INIT_CANCEL;
}

codeINSTALL_EXIT Install_Exit(HWND hwndParent, LPCWSTR pszInstallDir, WORD cFailedDirs, WORD cFailedFiles,
                              WORD cFailedRegKeys, WORD cFailedRegVals, WORD cFailedShortcuts)
{
    if (AnyFailed(cFailedDirs, cFailedFiles, cFailedRegKeys, cFailedRegVals, cFailedShortcuts)) {
        ShowSetupError(TEXT("Inst Failed"));
        return codeINSTALL_EXIT_UNINSTALL;
    }
    ShowWindow(hwndParent, SW_HIDE);
    LocalizeDevice(pszInstallDir);
    if (UserWantsRestart(hwndParent)) StartRestartProgram(pszInstallDir);
    return codeINSTALL_EXIT_DONE;
}
