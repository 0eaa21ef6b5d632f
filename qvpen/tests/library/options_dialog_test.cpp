// qvpen's options page as the user meets it: the table list, the rules of the
// chosen table, and Add, Remove and Change storing each edit at once.
#include <aygshell.h>

#include <device/dialogs.h>
#include <device/help_viewer.h>
#include <device/message_boxes.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include "options_device.h"
#include "recogniser_strokes.h"

namespace {

using OptionsDialogTest = OptionsDevice;

const std::u16string kAToCyrillicA = u"a (U0061) -> а (U0430)";

// The rule dialog's part of adding a -> а.
void QueueRuleAToCyrillicA()
{
    Then([](HWND rule) {
        Type(rule, kMapEdit, u"a");
        Type(rule, kToEdit, u"а");
        Click(rule, IDOK);
    });
}

void QueueDone()
{
    Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
}

}  // namespace

TEST_F(OptionsDialogTest, OpeningWithNoTableChoosesNoneAndOffersNothingToEdit)
{
    StoreSelection(0);
    Then([&](HWND page) {
        EXPECT_TRUE(device::HasDoneButton(page));
        EXPECT_FALSE(device::IsInputPanelShown()) << "the page lowers the input panel";
        EXPECT_EQ(SendDlgItemMessageW(page, kTableList, CB_GETCOUNT, 0, 0), 27);
        EXPECT_EQ(TextOf(page, kTableList), u"None");
        EXPECT_TRUE(RulesListed(page).empty());
        for (int button : {kAddButton, kRemoveButton, kChangeButton}) EXPECT_FALSE(IsEnabled(page, button));

        Choose(page, kTableList, kUser2Row);
        EXPECT_EQ(TextOf(page, kTableList), u"User defined 2");
        EXPECT_TRUE(RulesListed(page).empty());
        for (int button : {kAddButton, kRemoveButton, kChangeButton}) EXPECT_TRUE(IsEnabled(page, button));
        EXPECT_EQ(StoredSelection(), 0u) << "the choice waits for OK";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_EQ(StoredSelection(), 2u);
}

TEST_F(OptionsDialogTest, TheSelectedTableIsChosenAndListedOnlyTheUserTablesCanBeEdited)
{
    StoreSelection(3);
    Then([](HWND page) {
        EXPECT_EQ(TextOf(page, kTableList), u"Extended Latin");
        std::vector<std::u16string> rows = RulesListed(page);
        ASSERT_EQ(rows.size(), 155u);
        EXPECT_EQ(rows[0], u"a (U0061), \\ (U005C) -> à (U00E0)");
        EXPECT_EQ(rows[153], u"Ø (U00D8) -> Ø (U00D8)");
        EXPECT_FALSE(IsEnabled(page, kAddButton));
        Choose(page, kTableList, kUser1Row);
        EXPECT_EQ(RulesListed(page).size(), 155u) << "User defined 1 starts as Extended Latin";
        EXPECT_TRUE(IsEnabled(page, kAddButton));
        Choose(page, kTableList, 21);
        EXPECT_EQ(TextOf(page, kTableList), u"Russian");
        EXPECT_EQ(RulesListed(page).size(), 86u);
        EXPECT_FALSE(IsEnabled(page, kChangeButton));
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_EQ(StoredSelection(), 4u);
}

TEST_F(OptionsDialogTest, AnAddedRuleIsStoredAtOnceAndWritesAfterOk)
{
    Then([](HWND page) {
        Choose(page, kTableList, kUser2Row);
        Click(page, kAddButton);
    });
    QueueRuleAToCyrillicA();
    Then([&](HWND page) {
        EXPECT_EQ(RulesListed(page), std::vector<std::u16string>{kAToCyrillicA});
        EXPECT_EQ(StoredTable(kUser2), u"0 61=430;") << "stored before OK";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    device::ShowInputPanel();
    device::ClearEditor();
    WriteStrokes(u"ab");
    EXPECT_EQ(device::EditorText(), u"аb");
}

TEST_F(OptionsDialogTest, ARuleDialogNotSavedChangesNothing)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("0 61=430;"));
    Then([](HWND page) { Click(page, kAddButton); });
    Then([](HWND rule) {
        Type(rule, kMapEdit, u"b");
        Type(rule, kToEdit, u"б");
        SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
    });
    Then([](HWND page) {
        Choose(page, kRuleList, 0);
        Click(page, kChangeButton);
    });
    Then([](HWND rule) {
        Type(rule, kToEdit, u"\bб");
        SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
    });
    QueueDone();
    OpenOptions();
    EXPECT_EQ(StoredTable(kUser2), u"0 61=430;");
}

TEST_F(OptionsDialogTest, RemovingTheLastRowAsksFirstAndLeavesTheSemicolonBeforeIt)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("61 5C=E0;0 61=430"));
    device::QueueMessageBoxAnswer(IDNO);
    device::QueueMessageBoxAnswer(IDYES);
    Then([&](HWND page) {
        Choose(page, kRuleList, 1);
        Click(page, kRemoveButton);
        EXPECT_EQ(StoredTable(kUser2), u"61 5C=E0;0 61=430") << "answered no";
        EXPECT_EQ(RulesListed(page).size(), 2u);
        Click(page, kRemoveButton);
        EXPECT_EQ(StoredTable(kUser2), u"61 5C=E0;");
        EXPECT_EQ(RulesListed(page), std::vector<std::u16string>{u"a (U0061), \\ (U005C) -> à (U00E0)"});
        EXPECT_EQ(SelectedRule(page), LB_ERR) << "the removed row was the last: no row is selected";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    const auto& boxes = device::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, u"Selected rule will be removed. Are you sure you want to remove it?");
    EXPECT_EQ(boxes[1].caption, u"QVPen Letter Recognizer");
    EXPECT_EQ(boxes[1].style, UINT(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(OptionsDialogTest, RemoveAndChangeWithoutASelectedRowDoNothingAndSayNothing)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("0 61=430;"));
    Then([](HWND page) {
        Click(page, kRemoveButton);
        Click(page, kChangeButton);
        EXPECT_EQ(device::CurrentDialog(), page) << "no rule dialog";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_TRUE(device::MessageBoxLog().empty());
    EXPECT_EQ(StoredTable(kUser2), u"0 61=430;");
}

TEST_F(OptionsDialogTest, ChangeRewritesOnlyTheEntryOfTheRow)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("0 61=430;61 5c=e0;0 62=431"));
    Then([](HWND page) {
        Choose(page, kRuleList, 1);
        Click(page, kChangeButton);
    });
    Then([](HWND rule) {
        EXPECT_EQ(TextOf(rule, kMapEdit), u"a");
        EXPECT_EQ(TextOf(rule, kAndEdit), u"\\");
        EXPECT_EQ(TextOf(rule, kToEdit), u"à");
        EXPECT_EQ(TextOf(rule, kToCodeEdit), u"00E0");
        Type(rule, kToCodeEdit, u"\b\b\b\be1");
        Click(rule, IDOK);
    });
    Then([](HWND page) {
        EXPECT_EQ(RulesListed(page)[1], u"a (U0061), \\ (U005C) -> á (U00E1)");
        EXPECT_EQ(SelectedRule(page), 1) << "the changed row stays selected";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_EQ(StoredTable(kUser2), u"0 61=430;61 5C=E1;0 62=431");
}

// Rows stand for the valid entries only: the entry a row acts on is the one
// it shows, whatever malformed text lies before it.
TEST_F(OptionsDialogTest, WithAMalformedEntryRemoveAndChangeActOnTheEntryOfTheRow)
{
    StoreSelection(2);
    StoreTable(kUser2, TEXT("61 5C=E0;junk;0 61=430;0 62=431"));
    device::QueueMessageBoxAnswer(IDYES);
    Then([&](HWND page) {
        ASSERT_EQ(RulesListed(page).size(), 3u);
        Choose(page, kRuleList, 1);
        Click(page, kRemoveButton);
        EXPECT_EQ(StoredTable(kUser2), u"61 5C=E0;junk;0 62=431");
        Choose(page, kRuleList, 1);
        Click(page, kChangeButton);
    });
    Then([](HWND rule) {
        EXPECT_EQ(TextOf(rule, kMapEdit), u"b");
        Type(rule, kToEdit, u"\bв");
        Click(rule, IDOK);
    });
    QueueDone();
    OpenOptions();
    EXPECT_EQ(StoredTable(kUser2), u"61 5C=E0;junk;0 62=432;");
}

// One registry value holds 2047 characters: the table below holds 2046.
TEST_F(OptionsDialogTest, AnEditTheRegistryCannotHoldIsRefusedAndTold)
{
    std::u16string full;
    for (int entry = 0; entry < 226; ++entry) full += u"0 61=430;";
    full += u"0 1234=5678;";
    StoreSelection(2);
    StoreTable(kUser2, full.c_str());
    device::QueueMessageBoxAnswer(IDOK);
    device::QueueMessageBoxAnswer(IDOK);
    Then([](HWND page) { Click(page, kAddButton); });
    QueueRuleAToCyrillicA();
    Then([&](HWND page) {
        EXPECT_EQ(RulesListed(page).size(), 227u);
        EXPECT_EQ(StoredTable(kUser2), full);
        Choose(page, kRuleList, 0);
        Click(page, kChangeButton);
    });
    Then([](HWND rule) {
        Type(rule, kAndEdit, u"ю");
        Type(rule, kToCodeEdit, u"\b\b\b\bFFFF");
        Click(rule, IDOK);
    });
    Then([&](HWND page) {
        EXPECT_EQ(RulesListed(page)[0], kAToCyrillicA) << "the list shows the table as it is";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_EQ(StoredTable(kUser2), full);
    const auto& boxes = device::MessageBoxLog();
    ASSERT_EQ(boxes.size(), 2u) << "both the Add and the Change are told";
    EXPECT_EQ(boxes[0].caption, u"QVPen Letter Recognizer");
    EXPECT_EQ(boxes[0].style, UINT(MB_OK | MB_ICONEXCLAMATION));
    device::HideInputPanel();
    device::ShowInputPanel();
    Then([&](HWND page) {
        EXPECT_EQ(RulesListed(page).size(), 227u) << "what the page showed is what is stored";
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
}

TEST_F(OptionsDialogTest, HelpOpensTheRecognisersTopic)
{
    Then([](HWND page) {
        EXPECT_TRUE(device::AskForHelp(page));
        EXPECT_TRUE(device::PressDoneButton(page));
    });
    OpenOptions();
    EXPECT_EQ(device::LastHelpCommand(), u"file:plENU.htm#QVPenLetterRecognizer");
}
