#include "rule_list.h"

#include "dialog_ids.h"
#include "rule_rows.h"
#include "rule_walker.h"

namespace {

class RowAdder : public RuleVisitor {
public:
    explicit RowAdder(HWND list) : list(list) {}

    void Visit(const TranslitRule& rule, LPCWSTR) override
    {
        WCHAR row[kRuleRowLength];
        FormatRuleRow(rule, row);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }

private:
    HWND list;
};

}  // namespace

void FillRuleList(HWND page, LPCWSTR text)
{
    HWND list = GetDlgItem(page, kRuleList);
    LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    RowAdder adder(list);
    WalkRules(text, adder);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}
