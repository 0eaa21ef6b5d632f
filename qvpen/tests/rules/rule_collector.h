// The rules a walk visits, in order, for comparison in tests.
#pragma once

#include <vector>

#include "rule_walker.h"

class RuleCollector : public RuleVisitor {
public:
    void Visit(const TranslitRule& rule, LPCWSTR) override { rules.push_back(rule); }

    std::vector<TranslitRule> rules;
};

std::vector<TranslitRule> RulesOf(LPCWSTR text);

bool operator==(const TranslitRule& a, const TranslitRule& b);
