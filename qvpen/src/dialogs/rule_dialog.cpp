#include "rule_dialog.h"

#include <aygshell.h>
#include <cstdio>

#include "dialog_ids.h"
#include "dialog_texts.h"
#include "library_state.h"
#include "localize_qvpen_dialog.h"

namespace {

// Where the second character of the rule is taken from.
enum class AndFrom { CheckBox, Edit };
// Where the result is taken from: its character or its code.
enum class ToFrom { Character, Code };

const int kReadLength = 20;

// One flag for the whole process: the update's own text changes raise
// EN_CHANGE, which must not start it again.
bool updating = false;

RuleEditRecord* RecordOf(HWND dialog)
{
    return reinterpret_cast<RuleEditRecord*>(GetWindowLongPtrW(dialog, GWL_USERDATA));
}

WORD FirstCodeUnit(HWND dialog, int edit)
{
    WCHAR text[kReadLength + 1] = {};
    GetDlgItemTextW(dialog, edit, text, kReadLength);
    return text[0];
}

// A code of 0 gives the empty text.
void SetCharacter(HWND dialog, int edit, WORD code)
{
    WCHAR text[2] = {static_cast<WCHAR>(code), 0};
    SetDlgItemTextW(dialog, edit, text);
}

void SetCodeText(HWND dialog, int id, LPCWSTR format, WORD code)
{
    WCHAR text[8];
    wsprintfW(text, format, code);
    SetDlgItemTextW(dialog, id, text);
}

WORD ReadCode(HWND dialog)
{
    WCHAR text[kReadLength + 1] = {};
    GetDlgItemTextW(dialog, kToCodeEdit, text, kReadLength);
    unsigned int code = 0;
    if (swscanf(text, TEXT("%X"), &code) != 1) code = 0;
    return static_cast<WORD>(code);
}

bool IsAndChecked(HWND dialog) { return SendDlgItemMessageW(dialog, kAndCheck, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Update(HWND dialog, AndFrom andFrom, ToFrom toFrom)
{
    RuleEditRecord* record = RecordOf(dialog);
    if (!record || updating) return;
    updating = true;
    record->mapCode = FirstCodeUnit(dialog, kMapEdit);
    record->andCode = FirstCodeUnit(dialog, kAndEdit);
    SetCodeText(dialog, kMapCodeText, TEXT("(%04X)"), record->mapCode);
    if (andFrom == AndFrom::Edit) {
        SendDlgItemMessageW(dialog, kAndCheck, BM_SETCHECK, record->andCode ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (!IsAndChecked(dialog)) {
        record->andCode = 0;
        SetDlgItemTextW(dialog, kAndEdit, TEXT(""));
    }
    SetCodeText(dialog, kAndCodeText, TEXT("(%04X)"), record->andCode);
    if (toFrom == ToFrom::Character) {
        record->toCode = FirstCodeUnit(dialog, kToEdit);
        SetCodeText(dialog, kToCodeEdit, TEXT("%04X"), record->toCode);
    } else {
        record->toCode = ReadCode(dialog);
        SetCharacter(dialog, kToEdit, record->toCode);
    }
    bool complete = record->mapCode && (!IsAndChecked(dialog) || record->andCode) && record->toCode;
    EnableWindow(GetDlgItem(dialog, IDOK), complete);
    updating = false;
}

// The texts are set before the record is kept, so that their EN_CHANGE
// finds no record to update.
BOOL Initialise(HWND dialog, RuleEditRecord* record)
{
    const int kCharacterEdits[] = {kMapEdit, kAndEdit, kToEdit};
    for (int edit : kCharacterEdits) SendDlgItemMessageW(dialog, edit, EM_LIMITTEXT, 1, 0);
    SendDlgItemMessageW(dialog, kToCodeEdit, EM_LIMITTEXT, 4, 0);
    SetCharacter(dialog, kMapEdit, record->mapCode);
    SetCharacter(dialog, kAndEdit, record->andCode);
    SetCharacter(dialog, kToEdit, record->toCode);
    SendDlgItemMessageW(dialog, kAndCheck, BM_SETCHECK, record->andCode ? BST_CHECKED : BST_UNCHECKED, 0);
    SetWindowLongPtrW(dialog, GWL_USERDATA, reinterpret_cast<LONG_PTR>(record));
    Update(dialog, AndFrom::Edit, ToFrom::Character);
    LocalizeQvpenDialog(dialog, SharedTranslitSettings().InterfaceLanguage(), kRuleDialogTexts);
    return TRUE;
}

void End(HWND dialog, int result)
{
    SHSipPreference(dialog, SIP_DOWN);
    EndDialog(dialog, result);
}

void OnCommand(HWND dialog, WPARAM command)
{
    switch (command) {
    case IDOK:
    case IDCANCEL:
        End(dialog, static_cast<int>(command));
        break;
    case kAndCheck:
        SHSipPreference(GetDlgItem(dialog, kAndCheck), SIP_UNCHANGED);
        Update(dialog, AndFrom::CheckBox, ToFrom::Character);
        break;
    case Notification(kMapEdit, EN_CHANGE):
    case Notification(kToEdit, EN_CHANGE):
        Update(dialog, AndFrom::CheckBox, ToFrom::Character);
        break;
    case Notification(kAndEdit, EN_CHANGE):
        Update(dialog, AndFrom::Edit, ToFrom::Character);
        break;
    case Notification(kToCodeEdit, EN_CHANGE):
        Update(dialog, AndFrom::CheckBox, ToFrom::Code);
        break;
    }
}

BOOL CALLBACK RuleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return Initialise(dialog, reinterpret_cast<RuleEditRecord*>(lParam));
    case WM_COMMAND:
        OnCommand(dialog, wParam);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int RunRuleDialog(HWND owner, RuleEditRecord& record)
{
    return DialogBoxParamW(LibraryInstance(), MAKEINTRESOURCEW(kRuleDialog), owner, RuleDialogProc,
                           reinterpret_cast<LPARAM>(&record));
}
