#include "rule_collector.h"

#include <ostream>

std::vector<TranslitRule> RulesOf(LPCWSTR text)
{
    RuleCollector collector;
    WalkRules(text, collector);
    return collector.rules;
}

bool operator==(const TranslitRule& a, const TranslitRule& b)
{
    return a.previous == b.previous && a.input == b.input && a.result == b.result;
}
