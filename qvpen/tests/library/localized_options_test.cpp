// The options page and the rule dialog in other interface languages: the
// texts of the language's row, the template's English where there is none,
// the layout mirrored for a right-to-left language.
#include <device/dialogs.h>
#include <device/message_boxes.h>

#include "options_device.h"

namespace {

struct Texts {
    std::u16string label, add, caption, save, question;
};

struct LanguageCase {
    LCID language;
    const char* name;
    Texts expected;
};

class LocalizedOptionsTest : public OptionsDevice, public ::testing::WithParamInterface<LanguageCase> {
protected:
    LCID InterfaceLanguage() const override { return GetParam().language; }
};

class HebrewOptionsTest : public OptionsDevice {
protected:
    LCID InterfaceLanguage() const override { return 1037; }
};

LONG LeftOf(HWND dialog, int id)
{
    RECT place;
    GetWindowRect(GetDlgItem(dialog, id), &place);
    return place.left;
}

const std::u16string kEnglishQuestion = u"Selected rule will be removed. Are you sure you want to remove it?";

}  // namespace

TEST_P(LocalizedOptionsTest, ThePageTheRuleDialogAndTheQuestionShowTheLanguagesTexts)
{
    Texts shown;
    StoreSelection(2);
    StoreTable(kUser2, TEXT("0 61=430;"));
    device::QueueMessageBoxAnswer(IDNO);
    Then([&](HWND page) {
        shown.label = TextOf(page, 1025);
        shown.add = TextOf(page, kAddButton);
        Choose(page, kRuleList, 0);
        Click(page, kRemoveButton);
        Click(page, kAddButton);
    });
    Then([&](HWND rule) {
        shown.caption = TextOf(rule, 0);
        shown.save = TextOf(rule, IDOK);
        SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
    });
    Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
    OpenOptions();
    ASSERT_EQ(device::MessageBoxLog().size(), 1u);
    shown.question = device::MessageBoxLog()[0].text;

    const Texts& expected = GetParam().expected;
    EXPECT_EQ(shown.label, expected.label);
    EXPECT_EQ(shown.add, expected.add);
    EXPECT_EQ(shown.caption, expected.caption);
    EXPECT_EQ(shown.save, expected.save);
    EXPECT_EQ(shown.question, expected.question);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LocalizedOptionsTest,
    ::testing::Values(
        LanguageCase{1041, "japanese_has_no_row_and_keeps_the_english_texts",
                     {u"Select the transliteration table:", u"Add", u"Transliteration rule", u"Save", kEnglishQuestion}},
        LanguageCase{1049, "russian",
                     {u"Выберите таблицу транслитерации:", u"Добавить", u"Правило транслитерации", u"Сохранить",
                      u"Выделенное правило будет удалено. Продолжить?"}},
        LanguageCase{1037, "hebrew",
                     {u":קיתעתה תלבטב רחב", u"ףיסוהל", u"קיתעת לש ללכ", u"רומשל",
                      u"דרוי רחבנה ללכה. ותוא דירוהל ךנוצרבש חוטב התא םאה?"}}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

TEST_F(HebrewOptionsTest, BothDialogsAreMirrored)
{
    StoreSelection(2);
    Then([](HWND page) {
        EXPECT_GT(LeftOf(page, kAddButton), LeftOf(page, kChangeButton)) << "Add is on the right";
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(page, 1025), GWL_STYLE) & SS_RIGHT);
        Click(page, kAddButton);
    });
    Then([](HWND rule) {
        EXPECT_GT(LeftOf(rule, kMapEdit), LeftOf(rule, kToCodeEdit)) << "the character is right of its code";
        SendMessageW(rule, WM_COMMAND, IDCANCEL, 0);
    });
    Then([](HWND page) { EXPECT_TRUE(device::PressDoneButton(page)); });
    OpenOptions();
}
