#include "rule_walker.h"

#include <cstdio>

void WalkRules(LPCWSTR text, RuleVisitor& visitor)
{
    if (!text) return;
    LPCWSTR position = text;
    for (;;) {
        TranslitRule rule = {};
        if (swscanf(position, TEXT("%X %X=%X"), &rule.previous, &rule.input, &rule.result) == 3) visitor.Visit(rule);
        LPCWSTR separator = wcschr(position, TEXT(';'));
        if (!separator || separator[1] == 0) return;
        position = separator + 1;
    }
}
