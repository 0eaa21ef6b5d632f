#include "rule_edit_record.h"

RuleEditRecord RecordOfRule(const TranslitRule& rule)
{
    RuleEditRecord record = {};
    if (rule.IsTwoCharacter()) {
        record.mapCode = static_cast<WORD>(rule.previous);
        record.andCode = static_cast<WORD>(rule.input);
    } else {
        record.mapCode = static_cast<WORD>(rule.input);
    }
    record.toCode = static_cast<WORD>(rule.result);
    return record;
}

void FormatRuleEntry(const RuleEditRecord& record, WCHAR (&entry)[kRuleEntryLength])
{
    if (record.andCode != 0)
        wsprintfW(entry, TEXT("%X %X=%X;"), record.mapCode, record.andCode, record.toCode);
    else
        wsprintfW(entry, TEXT("0 %X=%X;"), record.mapCode, record.toCode);
}
