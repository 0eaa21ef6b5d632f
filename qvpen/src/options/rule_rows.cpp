#include "rule_rows.h"

#include "rule_walker.h"

namespace {

class RowSearch : public RuleVisitor {
public:
    explicit RowSearch(int row) : wanted(row) {}

    void Visit(const TranslitRule& rule, LPCWSTR entry) override
    {
        if (rows++ != wanted) return;
        found = entry;
        foundRule = rule;
    }

    LPCWSTR found = nullptr;
    TranslitRule foundRule = {};

private:
    int wanted;
    int rows = 0;
};

}  // namespace

void FormatRuleRow(const TranslitRule& rule, WCHAR (&row)[kRuleRowLength])
{
    if (rule.IsTwoCharacter())
        wsprintfW(row, TEXT("%c (U%04X), %c (U%04X) -> %c (U%04X)"), rule.previous, rule.previous, rule.input,
                  rule.input, rule.result, rule.result);
    else
        wsprintfW(row, TEXT("%c (U%04X) -> %c (U%04X)"), rule.input, rule.input, rule.result, rule.result);
}

LPCWSTR FindEntryOfRow(LPCWSTR text, int row, TranslitRule& rule)
{
    if (row < 0) return nullptr;
    RowSearch search(row);
    WalkRules(text, search);
    if (search.found) rule = search.foundRule;
    return search.found;
}
