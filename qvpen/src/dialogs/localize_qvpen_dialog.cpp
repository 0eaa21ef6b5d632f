#include "localize_qvpen_dialog.h"

#include "apply_dialog_strings.h"
#include "dialog_texts.h"
#include "mirror_dialog.h"
#include "right_to_left_languages.h"

namespace {

// qvpen's tables name the dialog itself by 0.
const int kThisDialog = 0;

}  // namespace

void LocalizeQvpenDialog(HWND dialog, LCID language, const DialogStringTable* table)
{
    if (IsRightToLeftLanguage(language)) MirrorDialog(dialog);
    ApplyDialogStrings(dialog, kThisDialog, language, table, kDialogTextRows);
}
