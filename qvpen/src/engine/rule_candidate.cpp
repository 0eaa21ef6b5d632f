#include "rule_candidate.h"

#include "rule_walker.h"

namespace {

class CandidateSearch : public RuleVisitor {
public:
    explicit CandidateSearch(const TranslitContext& context) : context(context) {}

    void Visit(const TranslitRule& rule, LPCWSTR) override
    {
        if (!context.Matches(rule)) return;
        if (found && candidate.IsTwoCharacter() && !rule.IsTwoCharacter()) return;
        candidate = rule;
        found = true;
    }

    bool found = false;
    TranslitRule candidate = {};

private:
    const TranslitContext& context;
};

}  // namespace

bool FindCandidate(LPCWSTR table, const TranslitContext& context, TranslitRule& candidate)
{
    CandidateSearch search(context);
    WalkRules(table, search);
    if (!search.found || search.candidate.input == 0) return false;
    candidate = search.candidate;
    return true;
}
