// A language's texts replace the template's on a dialog's controls; a pair
// naming the dialog's own id sets its caption.
#include <iterator>

#include "apply_dialog_strings.h"
#include "framework_dialog_strings.h"
#include "fresh_device.h"
#include "options_page.h"

namespace {

class DialogStringsTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        page = CreateOptionsPage();
        ASSERT_NE(page, nullptr);
    }

    std::u16string ControlText(int id) { return TextOf(GetDlgItem(page, id)); }

    HWND page = nullptr;
};

const DialogStringPair kRussianCaption[] = {
    {kOptionsPageId, TEXT("Параметры")},
    {2004, TEXT("Задержка:")},
    {0, TEXT("Клавиатура")},
};
const DialogStringTable kRussianCaptionTable[] = {{1049, kRussianCaption, 3}};

}  // namespace

TEST_F(DialogStringsTest, EachLanguageGetsItsRowOrKeepsTheTemplate)
{
    struct Case {
        LCID language;
        int id;
        std::u16string text;
        const char* why;
    };
    const Case cases[] = {
        {1049, 2002, u"Character repeat", "no row for Russian: the template's text"},
        {1049, 2004, u"Repeat delay:", "no row for Russian: the template's text"},
        {1033, 2002, u"Character repeating", "the English row differs from the template here"},
        {1033, 2006, u"Long", "the English row"},
        {1033, 2010, u"Use colored keyboard", "the English row"},
        {1033, 2011, u"Options: ", "the title prefix has no pair"},
    };
    for (const Case& c : cases) {
        DestroyWindow(page);
        page = CreateOptionsPage();
        ApplyDialogStrings(page, kOptionsPageId, c.language, kFrameworkDialogStrings, kFrameworkDialogStringRows);
        EXPECT_EQ(ControlText(c.id), c.text) << c.language << ", control " << c.id << ": " << c.why;
    }
}

TEST_F(DialogStringsTest, APairWithTheDialogsIdSetsTheCaptionNotAControl)
{
    ApplyDialogStrings(page, kOptionsPageId, 1049, kRussianCaptionTable, 1);
    EXPECT_EQ(TextOf(page), u"Параметры");
    EXPECT_EQ(ControlText(2004), u"Задержка:");

    ApplyDialogStrings(page, 0, 1049, kRussianCaptionTable, 1);
    EXPECT_EQ(TextOf(page), u"Клавиатура") << "the recogniser names its dialogs 0";
}

TEST_F(DialogStringsTest, TheFirstRowOfALanguageCountsAndMissingControlsArePassedOver)
{
    const DialogStringPair first[] = {{2004, TEXT("first")}, {4711, TEXT("no such control")}};
    const DialogStringPair second[] = {{2004, TEXT("second")}};
    const DialogStringTable table[] = {{1033, second, 0}, {1035, first, 2}, {1035, second, 1}};
    ApplyDialogStrings(page, kOptionsPageId, 1035, table, static_cast<int>(std::size(table)));
    EXPECT_EQ(ControlText(2004), u"first");
    EXPECT_EQ(TextOf(page), u"");
}
