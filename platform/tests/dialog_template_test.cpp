#include <commctrl.h>

#include <span>

#include <commctrl.h>

#include "library_test_fixture.h"
#include "rect_text.h"
#include "user/dialog_template.h"
#include "user/dialog_units.h"

namespace {

using platform::resources::ResourceId;
using platform::user::DialogBaseUnits;
using platform::user::DialogUnitsToPixels;
using platform::user::ParseDialogTemplate;
using platform::user::ParsedDialogTemplate;

class DialogTemplateTest : public LoadedLibraryTest {
protected:
    std::span<const BYTE> TemplateBytes(int id)
    {
        HRSRC found = FindResourceW(library, MAKEINTRESOURCEW(id), RT_DIALOG);
        if (!found) return {};
        return {static_cast<const BYTE*>(LockResource(LoadResource(library, found))), SizeofResource(library, found)};
    }
};

std::u16string Name(const ResourceId& id)
{
    const std::u16string* name = std::get_if<std::u16string>(&id.value);
    return name ? *name : u"#" + std::u16string(1, static_cast<char16_t>(u'0' + std::get<WORD>(id.value) % 10));
}

TEST_F(DialogTemplateTest, ReadsTheCompilersPlainTemplateIntoRecords)
{
    ParsedDialogTemplate parsed = ParseDialogTemplate(TemplateBytes(IDD_SAMPLE));
    ASSERT_TRUE(parsed.dialog) << parsed.error;
    const platform::user::DialogTemplate& dialog = *parsed.dialog;
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT));
    EXPECT_EQ(RectText({dialog.x, dialog.y, dialog.cx, dialog.cy}), "(10,20)-(160,100)");
    ASSERT_TRUE(dialog.font);
    EXPECT_EQ(dialog.font->pointSize, 8);
    EXPECT_EQ(dialog.font->face, u"MS Sans Serif");
    EXPECT_EQ(dialog.title, u"");

    struct Expected {
        DWORD id;
        WORD classOrdinal;  // 0: named class
        std::u16string className;
        std::u16string text;
        RECT units;  // x, y, cx, cy
        DWORD styleBits;
    };
    const Expected expected[] = {
        {IDC_NAME_LABEL, 0x82, u"", u"Name:", {5, 5, 40, 8}, WS_VISIBLE | SS_LEFT},
        {IDC_NAME, 0x81, u"", u"", {50, 5, 100, 12}, WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {IDC_REMEMBER, 0x80, u"", u"Remember", {5, 20, 80, 10}, WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP},
        {IDC_LEVEL, 0, u"MSCTLS_TRACKBAR32", u"Slider1", {5, 35, 145, 10}, WS_VISIBLE | TBS_AUTOTICKS | WS_TABSTOP},
        {IDOK, 0x80, u"", u"OK", {50, 80, 50, 14}, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP},
    };
    ASSERT_EQ(dialog.items.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const platform::user::DialogItem& item = dialog.items[i];
        const Expected& want = expected[i];
        SCOPED_TRACE("item " + std::to_string(want.id));
        EXPECT_EQ(item.id, want.id);
        if (want.classOrdinal)
            EXPECT_EQ(std::get<WORD>(item.windowClass.value), want.classOrdinal);
        else
            EXPECT_EQ(Name(item.windowClass), want.className);
        EXPECT_EQ(Name(item.text), want.text);
        EXPECT_EQ(RectText({item.x, item.y, item.cx, item.cy}), RectText(want.units));
        EXPECT_EQ(item.style & want.styleBits, want.styleBits);
        EXPECT_TRUE(item.style & WS_CHILD);
    }
}

TEST_F(DialogTemplateTest, ReadsTheExtendedFormWithItsCaptionAndFontWeight)
{
    ParsedDialogTemplate parsed = ParseDialogTemplate(TemplateBytes(IDD_SAMPLE_EXTENDED));
    ASSERT_TRUE(parsed.dialog) << parsed.error;
    EXPECT_TRUE(parsed.dialog->extended);
    EXPECT_EQ(parsed.dialog->title, u"Extended");
    ASSERT_TRUE(parsed.dialog->font);
    EXPECT_EQ(parsed.dialog->font->pointSize, 9);
    EXPECT_EQ(parsed.dialog->font->weight, 700);
    EXPECT_TRUE(parsed.dialog->font->italic);
    EXPECT_EQ(parsed.dialog->font->face, u"Tahoma");
    ASSERT_EQ(parsed.dialog->items.size(), 1u);
    EXPECT_EQ(Name(parsed.dialog->items[0].windowClass), u"SIPPREF");
    EXPECT_EQ(parsed.dialog->items[0].x, -10);
    EXPECT_FALSE(parsed.dialog->items[0].style & WS_VISIBLE);
}

TEST_F(DialogTemplateTest, EveryCutShortTemplateIsRefusedWithoutReadingPastIt)
{
    for (int id : {IDD_SAMPLE, IDD_SAMPLE_EXTENDED, IDD_EMPTY}) {
        std::span<const BYTE> whole = TemplateBytes(id);
        ASSERT_FALSE(whole.empty());
        ASSERT_TRUE(ParseDialogTemplate(whole).dialog);
        // The compiler pads the resource; the template proper may end earlier.
        for (size_t size = 0; size + 4 < whole.size(); ++size) {
            std::vector<BYTE> copy(whole.begin(), whole.begin() + static_cast<long>(size));
            ParsedDialogTemplate parsed = ParseDialogTemplate(copy);
            if (parsed.dialog) continue;
            EXPECT_NE(parsed.error.find("runs past the end"), std::string::npos) << parsed.error;
        }
        EXPECT_FALSE(ParseDialogTemplate(whole.first(whole.size() / 2)).dialog) << "template " << id;
    }
}

TEST(DialogUnits, ConvertWithTheFontsBaseUnitsRoundingHalfAway)
{
    struct Case {
        RECT units;
        DialogBaseUnits base;
        RECT pixels;
    };
    const Case cases[] = {
        {{0, 15, 160, 182}, {6, 13}, {0, 24, 240, 296}},
        {{10, 43, 155, 53}, {6, 13}, {15, 70, 233, 86}},
        {{5, 21, 155, 31}, {7, 14}, {9, 37, 271, 54}},
        {{-10, -10, -5, -5}, {6, 13}, {-15, -16, -8, -8}},
        {{1, 1, 2, 2}, {6, 13}, {2, 2, 3, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RectText(DialogUnitsToPixels(c.units, c.base)), RectText(c.pixels)) << RectText(c.units);
    }
}

}  // namespace
