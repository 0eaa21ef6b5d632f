#include "apply_dialog_strings.h"

namespace {

const DialogStringTable* RowFor(LCID language, const DialogStringTable* table, int rowCount)
{
    for (int row = 0; row < rowCount; ++row)
        if (table[row].language == language) return &table[row];
    return nullptr;
}

}  // namespace

void ApplyDialogStrings(HWND dialog, int dialogId, LCID language, const DialogStringTable* table, int rowCount)
{
    const DialogStringTable* row = RowFor(language, table, rowCount);
    if (!row) return;
    for (int i = 0; i < row->pairCount; ++i) {
        const DialogStringPair& pair = row->pairs[i];
        HWND target = pair.controlId == dialogId ? dialog : GetDlgItem(dialog, pair.controlId);
        SetWindowTextW(target, pair.text);
    }
}
