#include "keyboard_options_dialog.h"

#include <aygshell.h>
#include <commctrl.h>

#include "keyboard_settings.h"
#include "launch_help.h"
#include "paint_dialog_title.h"
#include "sip_module.h"

namespace {

const int kOptionsDialogId = 519;

enum ControlId {
    kRepeatDelay = 2000,
    kRepeatRate = 2001,
    kRepeat = 2002,
    kDelayLabel = 2004,
    kRateLabel = 2005,
    kDelayLong = 2006,
    kDelayShort = 2007,
    kRateSlow = 2008,
    kRateFast = 2009,
    kColored = 2010,
    kTitlePrefix = 2011,
};

// What repeat switches on and off.
const int kRepeatControls[] = {kRepeatDelay, kRepeatRate, kDelayLabel, kDelayLong,
                               kDelayShort,  kRateLabel,  kRateSlow,   kRateFast};

const int kTrackbarEnd = 8;
const int kTitleLength = 256;

SipModule* ModuleOf(HWND dialog) { return reinterpret_cast<SipModule*>(GetWindowLongPtrW(dialog, GWL_USERDATA)); }

void EnableRepeatControls(HWND dialog, bool enable)
{
    for (int id : kRepeatControls) EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

void SetCheck(HWND dialog, int id, bool checked)
{
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void InitTrackbar(HWND dialog, int id, LONG position)
{
    SendDlgItemMessageW(dialog, id, TBM_SETRANGE, FALSE, MAKELONG(0, kTrackbarEnd));
    SendDlgItemMessageW(dialog, id, TBM_SETPOS, TRUE, position);
}

LONG TrackbarPosition(HWND dialog, int id)
{
    return static_cast<LONG>(SendDlgItemMessageW(dialog, id, TBM_GETPOS, 0, 0));
}

BOOL Initialize(HWND dialog, SipModule& module)
{
    SHINITDLGINFO info = {SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    SHInitDialog(&info);
    KeyboardSettings& settings = *module.Settings();
    SetCheck(dialog, kRepeat, settings.repeat.Value());
    EnableRepeatControls(dialog, settings.repeat.Value());
    InitTrackbar(dialog, kRepeatDelay, settings.repeatDelay.Value());
    InitTrackbar(dialog, kRepeatRate, settings.repeatRate.Value());
    SetCheck(dialog, kColored, settings.colored.Value());
    module.LocalizeDialog(dialog, kOptionsDialogId, static_cast<LCID>(settings.interfaceLanguage.Value()));
    return TRUE;
}

// Every value is written, changed or not.
void Store(HWND dialog, SipModule& module)
{
    KeyboardSettings& settings = *module.Settings();
    settings.repeat.Set(IsChecked(dialog, kRepeat));
    settings.repeatDelay.Set(TrackbarPosition(dialog, kRepeatDelay));
    settings.repeatRate.Set(TrackbarPosition(dialog, kRepeatRate));
    settings.colored.Set(IsChecked(dialog, kColored));
}

// A click arrives with lParam set and counts only as BN_CLICKED.
UINT CommandOf(WPARAM wParam, LPARAM lParam) { return lParam == 0 ? LOWORD(wParam) : static_cast<UINT>(wParam); }

BOOL Command(HWND dialog, SipModule& module, WPARAM wParam, LPARAM lParam)
{
    switch (CommandOf(wParam, lParam)) {
    case IDOK:
        Store(dialog, module);
        EndDialog(dialog, IDOK);
        return TRUE;
    case kRepeat:
        EnableRepeatControls(dialog, IsChecked(dialog, kRepeat));
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL PaintTitle(HWND dialog, SipModule& module)
{
    WCHAR title[kTitleLength + 64];
    GetDlgItemTextW(dialog, kTitlePrefix, title, kTitleLength);
    wcsncat(title, module.Name(), kTitleLength + 63 - wcslen(title));
    return PaintDialogTitle(title, dialog);
}

}  // namespace

bool RunKeyboardOptionsDialog(SipModule& module, HWND parent)
{
    HINSTANCE instance = module.ModuleInstance();
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCE(kOptionsDialogId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    if (!loaded) return false;
    LPCDLGTEMPLATEW dialogTemplate = static_cast<LPCDLGTEMPLATEW>(LockResource(loaded));
    return DialogBoxIndirectParamW(instance, dialogTemplate, parent, KeyboardOptionsDialogProc,
                                   reinterpret_cast<LPARAM>(&module)) == IDOK;
}

BOOL CALLBACK KeyboardOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, GWL_USERDATA, lParam);
    SipModule* module = ModuleOf(dialog);
    if (!module) return static_cast<BOOL>(DefWindowProcW(dialog, message, wParam, lParam));
    switch (message) {
    case WM_INITDIALOG:
        return Initialize(dialog, *module);
    case WM_COMMAND:
        return Command(dialog, *module, wParam, lParam);
    case WM_PAINT:
        return PaintTitle(dialog, *module);
    case WM_HELP:
        LaunchHelp(TEXT("keyboard"), static_cast<LCID>(module->Settings()->interfaceLanguage.Value()));
        return 0;
    default:
        return static_cast<BOOL>(DefWindowProcW(dialog, message, wParam, lParam));
    }
}
