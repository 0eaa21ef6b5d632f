// qvpen installed and shown on a fresh device whose interface language the
// test picks, with the user's hand on its options page and rule dialog: the
// actions are queued, then the page is opened and they run in turn, each on
// the dialog then waiting (the rule dialog opened by Add or Change waits
// inside the page's action that opened it).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "qvpen_device.h"

// Controls of the options page and of the rule dialog.
enum : int {
    kTableList = 1012,
    kRuleList = 1013,
    kAddButton = 1014,
    kRemoveButton = 1015,
    kChangeButton = 1016,
    kMapEdit = 1013,
    kAndCheck = 1017,
    kAndEdit = 1018,
    kToCodeEdit = 1019,
    kToEdit = 1020,
    kMapCodeText = 1021,
    kAndCodeText = 1022,
};

// Rows of the table list.
enum : int { kNoneRow = 0, kUser1Row = 1, kUser2Row = 2, kExtendedLatinRow = 3 };

extern const WCHAR kUser2[];  // the registry value of "User defined 2"

class OptionsDevice : public FreshDevice {
protected:
    void SetUp() override;
    // The interface language written before qvpen is loaded.
    virtual LCID InterfaceLanguage() const { return 1033; }

    // Opens the page and lets the queued actions run; every one must have run.
    void OpenOptions();

    void StoreSelection(DWORD number);
    void StoreTable(LPCWSTR valueName, LPCWSTR text);
    std::u16string StoredTable(LPCWSTR valueName);
    DWORD StoredSelection();
};

// The user's next action, on the dialog then waiting.
void Then(std::function<void(HWND waiting)> action);

// The user's actions; each fails the test when the control will not do it.
void Choose(HWND dialog, int list, int row);
void Click(HWND dialog, int id);
void Type(HWND dialog, int edit, std::u16string_view text);

std::u16string TextOf(HWND dialog, int id);
std::vector<std::u16string> RulesListed(HWND page);
int SelectedRule(HWND page);
bool IsEnabled(HWND dialog, int id);
