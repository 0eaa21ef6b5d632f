// The framework's localisation of a dialog, as the module does it for every
// keyboard library: English texts from its table, the template's for other
// languages, mirrored for the right-to-left ones.
#include "fresh_device.h"
#include "options_page.h"
#include "rect_text.h"
#include "test_module/test_module.h"

namespace {

class LocalizeDialogTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        page = CreateOptionsPage();
        ASSERT_NE(page, nullptr);
    }

    void Localize(LCID language) { TheTestModule().LocalizeDialog(page, kOptionsPageId, language); }
    std::u16string Text(int id) { return TextOf(GetDlgItem(page, id)); }
    RECT Place(int id) { return PlaceOf(GetDlgItem(page, id)); }
    DWORD Alignment(int id) { return static_cast<DWORD>(GetWindowLongW(GetDlgItem(page, id), GWL_STYLE)) & SS_RIGHT; }

    HWND page = nullptr;
};

}  // namespace

TEST_F(LocalizeDialogTest, RussianKeepsTheTemplateTextsAndPlaces)
{
    Localize(1049);
    for (const PageControl& control : kOptionsPageControls) {
        EXPECT_EQ(Text(control.id), control.text) << control.id;
        EXPECT_EQ(RectText(Place(control.id)), RectText(control.rect)) << control.id;
    }
    EXPECT_EQ(Text(2002), u"Character repeat");
}

TEST_F(LocalizeDialogTest, EnglishTakesTheFrameworksTexts)
{
    Localize(1033);
    EXPECT_EQ(Text(2002), u"Character repeating");
    EXPECT_EQ(Text(2010), u"Use colored keyboard");
    EXPECT_EQ(RectText(Place(2006)), RectText(kOptionsPageControls[5].rect)) << "English is not mirrored";
}

TEST_F(LocalizeDialogTest, HebrewMirrorsThePageAndKeepsTheTemplateTexts)
{
    Localize(1037);
    RECT longLabel = Place(2006), shortLabel = Place(2007);
    EXPECT_GT(longLabel.left, shortLabel.left) << "Long and Short swap sides";
    EXPECT_EQ(Alignment(2006), static_cast<DWORD>(SS_RIGHT));
    EXPECT_EQ(Alignment(2007), static_cast<DWORD>(SS_LEFT));
    DWORD checkBox = static_cast<DWORD>(GetWindowLongW(GetDlgItem(page, 2002), GWL_STYLE));
    EXPECT_TRUE(checkBox & BS_LEFTTEXT) << "the check box's text is on the left of its box";
    EXPECT_EQ(Text(2002), u"Character repeat");
}
