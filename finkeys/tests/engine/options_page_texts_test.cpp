// The keyboard's options page from its own resource, in the interface
// languages: the Finnish table names the template's controls, Russian keeps
// the template's texts, Hebrew mirrors the page.
#include <apply_dialog_strings.h>
#include <framework_dialog_strings.h>
#include <mirror_dialog.h>

#include <string>

#include "finnish_dialog_strings.h"
#include "keyboard_device.h"

namespace {

const int kOptionsPage = 519;

class OptionsPageTextsTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_NO_FATAL_FAILURE(InstallKeyboard());
        library = LoadLibraryW(TEXT("\\Windows\\finkeys.dll"));
        ASSERT_NE(library, nullptr);
        page = CreateDialogParamW(library, MAKEINTRESOURCEW(kOptionsPage), nullptr, nullptr, 0);
        ASSERT_NE(page, nullptr);
    }

    void TearDown() override
    {
        DestroyWindow(page);
        FreeLibrary(library);
        FreshDevice::TearDown();
    }

    // The framework's table, then the keyboard's own, as the module applies them.
    void ApplyTexts(LCID language)
    {
        ApplyDialogStrings(page, kOptionsPage, language, kFrameworkDialogStrings, kFrameworkDialogStringRows);
        ApplyDialogStrings(page, kOptionsPage, language, kFinnishDialogStrings, kFinnishDialogStringRows);
    }

    std::u16string Text(int id)
    {
        WCHAR text[256] = {};
        GetDlgItemTextW(page, id, text, 256);
        return text;
    }

    LONG Left(int id)
    {
        RECT rect;
        GetWindowRect(GetDlgItem(page, id), &rect);
        return rect.left;
    }

    HMODULE library = nullptr;
    HWND page = nullptr;
};

}  // namespace

TEST_F(OptionsPageTextsTest, FinnishNamesEveryLabelOfThePage)
{
    ApplyTexts(1035);
    const DialogStringTable& finnish = kFinnishDialogStrings[0];
    for (int i = 0; i < finnish.pairCount; ++i)
        EXPECT_NE(GetDlgItem(page, finnish.pairs[i].controlId), nullptr) << finnish.pairs[i].controlId;
    struct Label {
        int id;
        std::u16string text;
    };
    const Label labels[] = {{2002, u"Merkin toisto"}, {2004, u"Toiston viive:"},      {2006, u"Pitkä"},
                            {2007, u"Lyhyt"},         {2005, u"Toistonopeus:"},       {2008, u"Hidas"},
                            {2009, u"Nopea"},         {2010, u"Värikäs näppäimistö"}, {2011, u"Options: "}};
    for (const Label& label : labels) EXPECT_EQ(Text(label.id), label.text) << label.id;
}

TEST_F(OptionsPageTextsTest, RussianKeepsTheResourceTexts)
{
    ApplyTexts(1049);
    EXPECT_EQ(Text(2002), u"Character repeat");
    EXPECT_EQ(Text(2006), u"Long");
}

TEST_F(OptionsPageTextsTest, MirroredLongAndShortSwapSidesWhileTheTrackbarsStay)
{
    LONG longLeft = Left(2006), shortLeft = Left(2007), trackbarLeft = Left(2000);
    DWORD trackbarStyle = static_cast<DWORD>(GetWindowLongW(GetDlgItem(page, 2000), GWL_STYLE));
    MirrorDialog(page);
    EXPECT_LT(longLeft, shortLeft);
    EXPECT_GT(Left(2006), Left(2007)) << "Long now on the right";
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(GetDlgItem(page, 2000), GWL_STYLE)), trackbarStyle);
    EXPECT_NE(Left(2000), trackbarLeft) << "the trackbar moves to its mirrored place all the same";
}
