// The rule dialog as the user meets it: each character beside its code, the
// result typed as a character or as a code, the second character tied to its
// check box, and Save offered only for a whole rule.
#include <aygshell.h>

#include <device/dialogs.h>
#include <device/sip.h>

#include "options_device.h"

namespace {

class RuleDialogTest : public OptionsDevice {
protected:
    // Opens the rule dialog with Add on "User defined 2", or with Change on
    // its first rule when the table holds one; STEPS then act on it, and it
    // is cancelled.
    void InRuleDialog(LPCWSTR table, std::function<void(HWND rule)> steps)
    {
        StoreSelection(2);
        StoreTable(kUser2, table);
        Then([table](HWND page) {
            if (*table) Choose(page, kRuleList, 0);
            Click(page, *table ? kChangeButton : kAddButton);
        });
        Then([steps](HWND rule) {
            steps(rule);
            SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
        });
        Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
        OpenOptions();
    }
};

}  // namespace

TEST_F(RuleDialogTest, ANewRuleStartsEmptyWithSaveDisabled)
{
    InRuleDialog(TEXT(""), [](HWND rule) {
        EXPECT_EQ(TextOf(rule, 0), u"Transliteration rule");
        EXPECT_EQ(TextOf(rule, kMapEdit), u"");
        EXPECT_EQ(TextOf(rule, kMapCodeText), u"(0000)");
        EXPECT_EQ(SendDlgItemMessageW(rule, kAndCheck, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(TextOf(rule, kAndCodeText), u"(0000)");
        EXPECT_EQ(TextOf(rule, kToEdit), u"");
        EXPECT_EQ(TextOf(rule, kToCodeEdit), u"0000");
        EXPECT_FALSE(IsEnabled(rule, IDOK));
    });
}

TEST_F(RuleDialogTest, TheResultIsTypedAsACharacterOrAsItsCode)
{
    InRuleDialog(TEXT(""), [](HWND rule) {
        Type(rule, kMapEdit, u"a");
        EXPECT_EQ(TextOf(rule, kMapCodeText), u"(0061)");
        Type(rule, kToCodeEdit, u"\b\b\b\be0");
        EXPECT_EQ(TextOf(rule, kToEdit), u"à");
        EXPECT_TRUE(IsEnabled(rule, IDOK));
        Type(rule, kToEdit, u"\bá");
        EXPECT_EQ(TextOf(rule, kToCodeEdit), u"00E1");
        Type(rule, kToCodeEdit, u"\b\b\b\bxyz");
        EXPECT_EQ(TextOf(rule, kToEdit), u"") << "a code that is no number is 0";
        EXPECT_FALSE(IsEnabled(rule, IDOK));
        Type(rule, kMapEdit, u"bc");
        EXPECT_EQ(TextOf(rule, kMapEdit), u"a") << "one character only";
    });
}

TEST_F(RuleDialogTest, TheSecondCharacterFollowsItsCheckBox)
{
    InRuleDialog(TEXT("61 5C=E0;"), [](HWND rule) {
        EXPECT_EQ(SendDlgItemMessageW(rule, kAndCheck, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(TextOf(rule, kAndCodeText), u"(005C)");
        device::ClearSipPreferenceLog();
        Click(rule, kAndCheck);
        EXPECT_EQ(TextOf(rule, kAndEdit), u"") << "unchecked: no second character";
        EXPECT_EQ(TextOf(rule, kAndCodeText), u"(0000)");
        EXPECT_TRUE(IsEnabled(rule, IDOK)) << "a single-character rule is whole";
        ASSERT_FALSE(device::SipPreferenceLog().empty());
        EXPECT_EQ(device::SipPreferenceLog().back().window, GetDlgItem(rule, kAndCheck));
        EXPECT_EQ(device::SipPreferenceLog().back().state, SIP_UNCHANGED);

        Click(rule, kAndCheck);
        EXPECT_FALSE(IsEnabled(rule, IDOK)) << "checked with no second character";
        Type(rule, kAndEdit, u"/");
        EXPECT_EQ(TextOf(rule, kAndCodeText), u"(002F)");
        EXPECT_TRUE(IsEnabled(rule, IDOK));
        Type(rule, kAndEdit, u"\b");
        EXPECT_EQ(SendDlgItemMessageW(rule, kAndCheck, BM_GETCHECK, 0, 0), BST_UNCHECKED)
            << "emptying the second character clears the box";
        Type(rule, kAndEdit, u"-");
        EXPECT_EQ(SendDlgItemMessageW(rule, kAndCheck, BM_GETCHECK, 0, 0), BST_CHECKED)
            << "typing one ticks it";
    });
}

TEST_F(RuleDialogTest, SaveLowersTheInputPanelAndEndsWithTheRule)
{
    StoreSelection(2);
    Then([](HWND page) { Click(page, kAddButton); });
    Then([](HWND rule) {
        Type(rule, kMapEdit, u"e");
        Type(rule, kAndEdit, u"/");
        Type(rule, kToEdit, u"э");
        EXPECT_TRUE(device::IsInputPanelShown()) << "raised for the edits";
        device::ClearSipPreferenceLog();
        Click(rule, IDOK);
        ASSERT_FALSE(device::SipPreferenceLog().empty());
        EXPECT_EQ(device::SipPreferenceLog().back().window, rule);
        EXPECT_EQ(device::SipPreferenceLog().back().state, SIP_DOWN);
    });
    Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
    OpenOptions();
    EXPECT_EQ(StoredTable(kUser2), u"65 2F=44D;");
}
