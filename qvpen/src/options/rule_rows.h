// The rows the options page lists for a rule table: one per valid entry, in
// text order. A malformed entry gets no row, so rows are paired with the
// entries they came from rather than with a count of semicolons.
#pragma once

#include <windows.h>

#include "translit_rule.h"

const int kRuleRowLength = 100;

// "a (U0061), \ (U005C) -> à (U00E0)" for a two-character rule,
// "a (U0061) -> а (U0430)" for a single-character one.
void FormatRuleRow(const TranslitRule& rule, WCHAR (&row)[kRuleRowLength]);

// Where the entry shown in row ROW (from 0) starts in TEXT, and its rule;
// null when the text has no such row.
LPCWSTR FindEntryOfRow(LPCWSTR text, int row, TranslitRule& rule);
