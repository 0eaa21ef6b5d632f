// The dialog that edits one rule (resource 416): the character, the one
// after it for a two-character rule and the result, each beside its code.
#pragma once

#include "rule_edit_record.h"

// Shows the dialog modally over OWNER, editing RECORD in place: IDOK when
// the user saved the rule, IDCANCEL when not.
int RunRuleDialog(HWND owner, RuleEditRecord& record);
