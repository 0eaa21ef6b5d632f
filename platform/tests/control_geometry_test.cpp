#include <gtest/gtest.h>

#include "controls/button_layout.h"
#include "controls/combo_layout.h"
#include "controls/edit_layout.h"
#include "controls/list_box_view.h"
#include "controls/trackbar_layout.h"
#include "rect_text.h"

namespace {

using namespace platform::controls;

TEST(ControlGeometryTest, ACheckBoxStandsBesideItsTextOnTheSideItsStyleSays)
{
    const RECT client{0, 0, 100, 20};
    CheckBoxLayout left = LayOutCheckBox(client, BS_AUTOCHECKBOX);
    EXPECT_EQ(RectText(left.box), RectText({0, 3, 13, 16})) << "at the left, in the middle of the height";
    EXPECT_EQ(RectText(left.text), RectText({17, 0, 100, 20}));
    CheckBoxLayout right = LayOutCheckBox(client, BS_AUTOCHECKBOX | BS_LEFTTEXT);
    EXPECT_EQ(RectText(right.box), RectText({87, 3, 100, 16}));
    EXPECT_EQ(RectText(right.text), RectText({0, 0, 83, 20}));

    const struct {
        DWORD style;
        UINT format;
    } formats[] = {
        {BS_PUSHBUTTON, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {BS_AUTOCHECKBOX, DT_LEFT | DT_VCENTER | DT_SINGLELINE},
        {BS_AUTOCHECKBOX | BS_RIGHT, DT_RIGHT | DT_VCENTER | DT_SINGLELINE},
        {BS_PUSHBUTTON | BS_LEFT | BS_TOP, DT_LEFT | DT_TOP | DT_SINGLELINE},
        {BS_CHECKBOX | BS_CENTER | BS_BOTTOM, DT_CENTER | DT_BOTTOM | DT_SINGLELINE},
    };
    for (const auto& test : formats) EXPECT_EQ(ButtonTextFormat(test.style), test.format) << std::hex << test.style;
}

TEST(ControlGeometryTest, EveryTrackbarPositionHasItsPlaceAndEveryPlaceItsNearestPosition)
{
    TrackbarLayout layout = LayOutTrackbar({0, 0, 110, 16}, TBS_AUTOTICKS);
    EXPECT_EQ(layout.firstX, 5);
    EXPECT_EQ(layout.lastX, 104);
    EXPECT_TRUE(layout.ticks);
    EXPECT_EQ(layout.tickTop + kTickLength, 16) << "the marks end at the bottom";
    for (int position = 0; position <= 8; ++position)
        EXPECT_EQ(NearestPosition(layout, 0, 8, XOfPosition(layout, 0, 8, position)), position);
    const struct {
        int x;
        int position;
    } places[] = {{-50, 0}, {5, 0}, {10, 0}, {12, 1}, {17, 1}, {104, 8}, {400, 8}};
    for (const auto& test : places) EXPECT_EQ(NearestPosition(layout, 0, 8, test.x), test.position) << test.x;
    EXPECT_EQ(NearestPosition(layout, 3, 3, 60), 3) << "an empty range has one place";
    EXPECT_EQ(XOfPosition(layout, -2000000000, 2000000000, 2000000000), 104) << "no overflow on wide ranges";
    EXPECT_FALSE(LayOutTrackbar({0, 0, 110, 16}, 0).ticks);
}

TEST(ControlGeometryTest, AnEditsTextIsAlignedWhileItFitsAndScrolledToTheCaretWhenItDoesNot)
{
    MeasureText fiveEach = [](std::u16string_view text) { return static_cast<int>(text.size()) * 5; };
    RECT field = EditField({0, 0, 60, 20}, WS_BORDER);
    EXPECT_EQ(RectText(field), RectText({3, 2, 57, 18}));
    EXPECT_EQ(TextLeft(field, 20, ES_LEFT, 0), 3);
    EXPECT_EQ(TextLeft(field, 20, ES_RIGHT, 0), 36) << "one pixel left for the caret";
    EXPECT_EQ(TextLeft(field, 20, ES_CENTER, 0), 19);
    EXPECT_EQ(TextLeft(field, 80, ES_RIGHT, 30), -27) << "a text too wide scrolls, whatever its alignment";
    EXPECT_TRUE(FitsField(field, 53));
    EXPECT_FALSE(FitsField(field, 54));
    EXPECT_EQ(ScrollShowingCaret(0, 80, 80, field), 27) << "the caret at the end of a long text";
    EXPECT_EQ(ScrollShowingCaret(27, 10, 80, field), 10) << "the caret left of the field";
    EXPECT_EQ(ScrollShowingCaret(27, 10, 40, field), 0) << "a shorter text shows whole";

    EditText text;
    text.Replace(u"ab\U0001F600c");
    std::vector<int> offsets = CaretOffsets(text.Text(), fiveEach);
    EXPECT_EQ(offsets, (std::vector<int>{0, 5, 10, 15, 20, 25}));
    EXPECT_EQ(NearestCaret(text, offsets, 7), 1u);
    EXPECT_EQ(NearestCaret(text, offsets, 15), 2u) << "never inside a surrogate pair";
    EXPECT_EQ(NearestCaret(text, offsets, 99), 5u);
}

TEST(ControlGeometryTest, ListsShowWholeRowsAndTheirScrollBarsPartsAnswerTaps)
{
    EXPECT_EQ(IntegralListHeight(60, WS_BORDER, 13), 56);
    EXPECT_EQ(IntegralListHeight(10, WS_BORDER, 13), 17) << "at least one row";
    EXPECT_EQ(IntegralListHeight(60, 0, 13), 52);

    ListItems items;
    for (int row = 0; row < 10; ++row) items.Add(u"row", false);
    ListView view = ListBoxView({0, 0, 100, 56}, WS_BORDER | WS_VSCROLL, 13, items);
    EXPECT_EQ(view.visible, 4);
    ASSERT_TRUE(view.scrolls);
    EXPECT_EQ(RectText(view.rows), RectText({2, 2, 85, 54}));
    const struct {
        POINT at;
        int row;
    } rows[] = {{{10, 2}, 0}, {{10, 53}, 3}, {{10, 54}, -1}, {{90, 10}, -1}, {{1, 10}, -1}};
    for (const auto& test : rows) EXPECT_EQ(RowAt(view, items, test.at), test.row) << test.at.x << "," << test.at.y;
    const struct {
        POINT at;
        ScrollPart part;
        int topAfter;
    } taps[] = {{{90, 5}, ScrollPart::LineUp, 0},  {{90, 50}, ScrollPart::LineDown, 1},
                {{90, 40}, ScrollPart::PageDown, 4}, {{90, 16}, ScrollPart::Thumb, 0}};
    for (const auto& test : taps) {
        EXPECT_EQ(ScrollPartAt(view.bar, test.at), test.part) << test.at.y;
        EXPECT_EQ(std::clamp(TopAfter(test.part, 0, view.visible), 0, 6), test.topAfter) << test.at.y;
    }
    std::optional<ListTap> toLast = TapToward(view, items, 9);
    ASSERT_TRUE(toLast);
    EXPECT_FALSE(toLast->onRow) << "the arrow that brings it nearer";
    EXPECT_TRUE(PtInRect(&view.bar.down, toLast->point));
    EXPECT_FALSE(ListBoxView({0, 0, 100, 56}, WS_BORDER, 13, items).scrolls) << "no WS_VSCROLL, no bar";
}

TEST(ControlGeometryTest, AComboBoxDropsItsListBelowUnlessTheScreenEndsFirst)
{
    EXPECT_EQ(ClosedComboHeight(13), 19);
    EXPECT_EQ(DroppedListHeight(100, 13, 3), 41) << "as many rows as it has";
    EXPECT_EQ(DroppedListHeight(100, 13, 30), 80) << "as many as fit below the box";
    EXPECT_EQ(DroppedListHeight(10, 13, 30), 15) << "at least one";
    EXPECT_EQ(RectText(DroppedListRect({10, 100, 110, 119}, 80, 320)), RectText({10, 119, 110, 199}));
    EXPECT_EQ(RectText(DroppedListRect({10, 250, 110, 269}, 80, 320)), RectText({10, 170, 110, 250}));
    ComboLayout layout = LayOutCombo({0, 0, 100, 19});
    EXPECT_EQ(RectText(layout.button), RectText({85, 2, 98, 17}));
    EXPECT_EQ(RectText(layout.text), RectText({4, 2, 85, 17}));
}

}  // namespace
