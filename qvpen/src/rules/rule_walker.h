// Walks the entries of a rule text ("61 5C=E0;0 61=430;...") in order. An
// entry that does not read as three hexadecimal numbers is passed over and
// stays in the text; the last entry may lack its ";".
#pragma once

#include <windows.h>

#include "translit_rule.h"

class RuleVisitor {
public:
    virtual ~RuleVisitor() = default;
    // ENTRY is where the rule's entry starts in the text walked.
    virtual void Visit(const TranslitRule& rule, LPCWSTR entry) = 0;
};

// A null text holds no entries.
void WalkRules(LPCWSTR text, RuleVisitor& visitor);
