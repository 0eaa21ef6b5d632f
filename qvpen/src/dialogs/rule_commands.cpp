#include "rule_commands.h"

#include "chosen_table.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "library_state.h"
#include "qvpen_identity.h"
#include "rule_dialog.h"
#include "rule_list.h"
#include "rule_rows.h"
#include "rule_text_edits.h"

namespace {

const WCHAR kNotStored[] =
    TEXT("The rule table cannot be saved with this change, so it stays as it was. A table holds at most 2047 ")
    TEXT("characters: remove rules you no longer need to make room.");

int SelectedRow(HWND page) { return static_cast<int>(SendDlgItemMessageW(page, kRuleList, LB_GETCURSEL, 0, 0)); }

// The new text goes to the registry before the list shows it; a text the
// registry refuses is taken back.
void Store(HWND page, RegStringSetting& table, const OwnedString& newText)
{
    OwnedString oldText(table.Text());
    if (!newText.Get() || !oldText.Get()) return;
    table.Assign(newText.Get());
    if (!table.Save()) {
        table.Assign(oldText.Get());
        MessageBoxW(page, kNotStored, kQvpenName, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    FillRuleList(page, table.Text());
}

bool AskToRemove(HWND page)
{
    LPCWSTR question = MessageText(kRemoveRuleQuestion, SharedTranslitSettings().InterfaceLanguage());
    return MessageBoxW(page, question, kQvpenName, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

void AddRule(HWND page)
{
    RuleEditRecord record = {};
    if (RunRuleDialog(page, record) != IDOK) return;
    WCHAR entry[kRuleEntryLength];
    FormatRuleEntry(record, entry);
    RegStringSetting* table = ChosenTable(page);
    if (!table || !table->Text()) return;
    OwnedString newText;
    if (AppendRuleEntry(table->Text(), entry, newText)) Store(page, *table, newText);
}

void RemoveRule(HWND page)
{
    int row = SelectedRow(page);
    if (row == LB_ERR || !AskToRemove(page)) return;
    RegStringSetting* table = ChosenTable(page);
    TranslitRule rule = {};
    LPCWSTR entry = table ? FindEntryOfRow(table->Text(), row, rule) : nullptr;
    if (!entry) return;
    OwnedString newText;
    if (RemoveRuleEntry(table->Text(), entry, newText)) Store(page, *table, newText);
}

void ChangeRule(HWND page)
{
    RegStringSetting* table = ChosenTable(page);
    int row = SelectedRow(page);
    if (!table || row == LB_ERR) return;
    TranslitRule rule = {};
    if (!FindEntryOfRow(table->Text(), row, rule)) return;
    RuleEditRecord record = RecordOfRule(rule);
    if (RunRuleDialog(page, record) != IDOK) return;
    WCHAR entry[kRuleEntryLength];
    FormatRuleEntry(record, entry);
    // Found again: the input panel shown for the dialog's edits re-reads the
    // tables, which gives the table a new text.
    LPCWSTR start = FindEntryOfRow(table->Text(), row, rule);
    OwnedString newText;
    if (start && ReplaceRuleEntry(table->Text(), start, entry, newText)) Store(page, *table, newText);
}
