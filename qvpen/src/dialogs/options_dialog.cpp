#include "options_dialog.h"

#include <aygshell.h>

#include "chosen_table.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "launch_help.h"
#include "library_state.h"
#include "localize_qvpen_dialog.h"
#include "paint_dialog_title.h"
#include "rule_commands.h"
#include "rule_list.h"
#include "table_choices.h"

namespace {

const WCHAR kHelpTopic[] = TEXT("QVPenLetterRecognizer");
const int kTitleLength = 256;

TranslitSettings& Settings() { return SharedTranslitSettings(); }

void FillTableList(HWND page)
{
    for (int row = 0; row < kTableChoiceCount; ++row) {
        LRESULT index = SendDlgItemMessageW(page, kTableList, CB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(TableChoiceName(row)));
        SendDlgItemMessageW(page, kTableList, CB_SETITEMDATA, static_cast<WPARAM>(index), kTableChoices[row]);
    }
}

// Rows are tried from the last: of two rows with the number, the first stays chosen.
void ChooseSelectedTable(HWND page)
{
    LONG selected = Settings().SelectedNumber();
    for (int row = kTableChoiceCount - 1; row >= 0; --row) {
        if (SendDlgItemMessageW(page, kTableList, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) == selected)
            SendDlgItemMessageW(page, kTableList, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

// Only the two user tables can be edited.
void ShowTable(HWND page, LONG number)
{
    RegStringSetting* table = Settings().Table(number);
    FillRuleList(page, table ? table->Text() : nullptr);
    BOOL editable = number == 1 || number == 2;
    const int kEditButtons[] = {kAddButton, kRemoveButton, kChangeButton};
    for (int button : kEditButtons) EnableWindow(GetDlgItem(page, button), editable);
}

BOOL Initialise(HWND page, LPARAM openedBy)
{
    SetWindowLongPtrW(page, GWL_USERDATA, openedBy);
    SHINITDLGINFO fullScreen = {SHIDIM_FLAGS, page, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    SHInitDialog(&fullScreen);
    FillTableList(page);
    ChooseSelectedTable(page);
    ShowTable(page, Settings().SelectedNumber());
    LocalizeQvpenDialog(page, Settings().InterfaceLanguage(), kOptionsDialogTexts);
    return TRUE;
}

BOOL PaintTitle(HWND page)
{
    WCHAR title[kTitleLength] = {};
    GetDlgItemTextW(page, kTitleText, title, kTitleLength);
    return PaintDialogTitle(title, page);
}

// The choice of table is stored only now, and clamped by the store.
void Confirm(HWND page)
{
    Settings().SelectNumber(ChosenTableNumber(page));
    EndDialog(page, IDOK);
}

// A command from a control is compared whole (a click is its id, BN_CLICKED
// being 0); one without a control (the shell's OK button) by its id alone.
BOOL OnCommand(HWND page, WPARAM wParam, LPARAM lParam)
{
    WPARAM command = lParam == 0 ? LOWORD(wParam) : wParam;
    switch (command) {
    case Notification(kTableList, CBN_SELCHANGE):
        ShowTable(page, ChosenTableNumber(page));
        return TRUE;
    case IDOK:
        Confirm(page);
        return TRUE;
    case kAddButton:
        AddRule(page);
        return TRUE;
    case kRemoveButton:
        RemoveRule(page);
        return TRUE;
    case kChangeButton:
        ChangeRule(page);
        return TRUE;
    }
    return FALSE;
}

BOOL CALLBACK OptionsDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return Initialise(page, lParam);
    case WM_PAINT:
        return PaintTitle(page);
    case WM_HELP:
        LaunchHelp(kHelpTopic, Settings().InterfaceLanguage());
        return 0;
    case WM_COMMAND:
        return OnCommand(page, wParam, lParam);
    }
    return static_cast<BOOL>(DefWindowProcW(page, message, wParam, lParam));
}

}  // namespace

void ShowOptionsDialog(HWND owner, IInputMethod* openedBy)
{
    HINSTANCE library = LibraryInstance();
    HRSRC found = FindResourceW(library, MAKEINTRESOURCEW(kOptionsDialog), RT_DIALOG);
    HGLOBAL page = found ? LoadResource(library, found) : nullptr;
    if (!page) return;
    DialogBoxIndirectParamW(library, static_cast<LPCDLGTEMPLATEW>(page), owner, OptionsDialogProc,
                            reinterpret_cast<LPARAM>(openedBy));
}
