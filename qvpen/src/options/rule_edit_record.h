// One rule as the rule dialog edits it, and its written form in a table.
#pragma once

#include <windows.h>

#include "translit_rule.h"

// For a rule "P I=R" the record holds P, I and R; for a single-character
// rule "0 I=R" it holds I, 0 and R. The options page owns it and the rule
// dialog edits it in place.
struct RuleEditRecord {
    WORD mapCode;
    WORD andCode;  // 0: a single-character rule
    WORD toCode;
};

static_assert(sizeof(RuleEditRecord) == 6);

RuleEditRecord RecordOfRule(const TranslitRule& rule);

// "FFFF FFFF=FFFF;" and its terminator.
const int kRuleEntryLength = 16;

// "61 5C=E0;" or "0 61=430;": upper-case digits, no leading zeros, closed by ";".
void FormatRuleEntry(const RuleEditRecord& record, WCHAR (&entry)[kRuleEntryLength]);
