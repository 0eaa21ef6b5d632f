#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string_view>

#include <windows.h>

#include "colour_canvas.h"
#include "fresh_device.h"
#include "gdi/word_wrap.h"
#include "golden_image.h"

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 160);

HFONT MakeFont(std::u16string_view face, LONG height, LONG weight = FW_NORMAL)
{
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

// The smallest rectangle holding every pixel that is not the sentinel.
RECT DrawnArea(const device::Image& image)
{
    RECT area{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) != kSentinel)
                area = {std::min<LONG>(area.left, x), std::min<LONG>(area.top, y), std::max<LONG>(area.right, x + 1),
                        std::max<LONG>(area.bottom, y + 1)};
    return area;
}

std::string Text(const RECT& r)
{
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

class GdiTextTest : public FreshDevice {
protected:
    void TearDown() override
    {
        for (HFONT font : fonts) DeleteObject(font);
        FreshDevice::TearDown();
    }

    HFONT Font(std::u16string_view face, LONG height, LONG weight = FW_NORMAL)
    {
        fonts.push_back(MakeFont(face, height, weight));
        return fonts.back();
    }

    std::vector<HFONT> fonts;
};

TEST_F(GdiTextTest, EachMappedFaceDrawsCrispTextAtBothKindsOfHeight)
{
    ColourCanvas canvas(180, 200);
    SetTextColor(canvas.Dc(), kInk);
    SetBkColor(canvas.Dc(), kPaper);
    const std::u16string_view sample = u"Lexovia Åäö 0123";
    int y = 2;
    for (std::u16string_view face : {u"Tahoma", u"MS Sans Serif", u"System"})
        for (LONG height : {-12, 16})
            for (LONG weight : {FW_NORMAL, FW_BOLD}) {
                HGDIOBJ original = SelectObject(canvas.Dc(), Font(face, height, weight));
                ExtTextOutW(canvas.Dc(), 2, y, 0, nullptr, sample.data(), sample.size(), nullptr);
                SIZE size{};
                GetTextExtentPoint32W(canvas.Dc(), sample.data(), sample.size(), &size);
                y += size.cy;
                SelectObject(canvas.Dc(), original);
            }
    device::Image image = canvas.Image();
    std::set<COLORREF> colours(image.pixels.begin(), image.pixels.end());
    EXPECT_EQ(colours, (std::set<COLORREF>{kInk, kPaper, kSentinel})) << "no smoothing: ink on paper only";
    EXPECT_TRUE(MatchesGolden(image, PLATFORM_GOLDEN "/text_faces.png"));
}

TEST_F(GdiTextTest, HeightsCountTheCharacterWhenNegativeAndTheCellWhenPositive)
{
    ColourCanvas canvas(1, 1);
    const struct {
        LONG height;
        LONG cell;
    } cases[] = {{16, 16}, {20, 20}, {-12, 14}, {-24, 29}};  // Tahoma: ascent 2049, descent 423 of 2048
    for (const auto& c : cases) {
        SelectObject(canvas.Dc(), Font(u"Tahoma", c.height));
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32W(canvas.Dc(), u"Hg", 2, &size));
        EXPECT_EQ(size.cy, c.cell) << "lfHeight " << c.height;
    }
    SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));
}

TEST_F(GdiTextTest, CentredSingleLinesSitMidwayWithTheirBackgroundBox)
{
    const std::u16string_view label = u"Fi";
    const struct {
        RECT rect;
        const char* what;
    } cases[] = {
        {{10, 10, 50, 40}, "room to spare both ways"},
        {{10, 10, 51, 41}, "odd room: the extra pixel goes right and down"},
        {{3, 4, 9, 8}, "too small: clipped to the rectangle"},
    };
    for (const auto& c : cases) {
        ColourCanvas canvas(64, 48);
        SelectObject(canvas.Dc(), Font(u"Tahoma", -12));
        SetBkColor(canvas.Dc(), kPaper);
        SIZE size{};
        GetTextExtentPoint32W(canvas.Dc(), label.data(), label.size(), &size);
        RECT rect = c.rect;
        int drawnTo = DrawTextW(canvas.Dc(), label.data(), -1, &rect,
                                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        LONG left = c.rect.left + (c.rect.right - c.rect.left - size.cx) / 2;
        LONG top = c.rect.top + (c.rect.bottom - c.rect.top - size.cy) / 2;
        RECT box{std::max(left, c.rect.left), std::max(top, c.rect.top), std::min(left + size.cx, c.rect.right),
                 std::min(top + size.cy, c.rect.bottom)};
        RECT drawn = DrawnArea(canvas.Image());
        EXPECT_TRUE(drawn == box) << c.what << ": drawn " << Text(drawn) << ", expected " << Text(box);
        EXPECT_EQ(drawnTo, top + size.cy - c.rect.top) << c.what << ": the answer is where the text ends";
    }
}

TEST_F(GdiTextTest, MeasuringPrefixesAndLinesAsTheyWillShow)
{
    ColourCanvas canvas(1, 1);
    SelectObject(canvas.Dc(), Font(u"Tahoma", -12));
    SIZE file{}, ampersand{};
    GetTextExtentPoint32W(canvas.Dc(), u"File", 4, &file);
    GetTextExtentPoint32W(canvas.Dc(), u"A&B", 3, &ampersand);
    const struct {
        std::u16string_view text;
        UINT format;
        LONG width, height;
        const char* what;
    } cases[] = {
        {u"&File", DT_SINGLELINE, file.cx, file.cy, "a prefix takes no room"},
        {u"&File", DT_SINGLELINE | DT_NOPREFIX, 0, file.cy, "DT_NOPREFIX shows the ampersand"},
        {u"A&&B", DT_SINGLELINE, ampersand.cx, file.cy, "a doubled ampersand shows one"},
        {u"File\nA&&B", 0, std::max(file.cx, ampersand.cx), 2 * file.cy, "two lines"},
        {u"File\r\nFile", DT_SINGLELINE | DT_NOPREFIX, 0, file.cy, "one line, line break or not"},
        {u"File File", DT_WORDBREAK, file.cx, 2 * file.cy, "a word a line in a rectangle too narrow for two"},
        {u"File File", DT_WORDBREAK | DT_SINGLELINE, 0, file.cy, "a single line never breaks"},
    };
    for (const auto& c : cases) {
        RECT rect{5, 5, 6, 6};
        int height = DrawTextW(canvas.Dc(), c.text.data(), c.text.size(), &rect, c.format | DT_CALCRECT);
        EXPECT_EQ(height, c.height) << c.what;
        EXPECT_EQ(rect.bottom - rect.top, c.height) << c.what;
        if (c.width) {
            EXPECT_EQ(rect.right - rect.left, c.width) << c.what;
        } else {
            EXPECT_GT(rect.right - rect.left, file.cx) << c.what << ": wider than the text alone";
        }
        EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), kSentinel) << c.what << ": DT_CALCRECT draws nothing";
    }
}

// The stock font's face lives as long as the process; FreeType must outlive it.
TEST_F(GdiTextTest, AProcessThatDrewWithTheSystemFontEndsCleanly)
{
    EXPECT_EXIT(
        {
            SIZE size{};
            {
                ColourCanvas canvas(20, 20);
                SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT));
                GetTextExtentPoint32W(canvas.Dc(), u"A", 1, &size);
            }
            device::Close();
            std::exit(size.cy > 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(GdiTextTest, OpaqueTextOutFillsItsRectangleAndClippedTextStaysInIt)
{
    ColourCanvas canvas(40, 30);
    SelectObject(canvas.Dc(), Font(u"Tahoma", -12));
    SetBkColor(canvas.Dc(), kPaper);
    const RECT fill{4, 6, 20, 16};
    ASSERT_TRUE(ExtTextOutW(canvas.Dc(), 0, 0, ETO_OPAQUE, &fill, nullptr, 0, nullptr));
    RECT drawn = DrawnArea(canvas.Image());
    EXPECT_TRUE(drawn == fill) << "ETO_OPAQUE with no text: " << Text(drawn);
    device::Image filled = canvas.Image();
    for (COLORREF pixel : filled.pixels) EXPECT_TRUE(pixel == kPaper || pixel == kSentinel);

    ColourCanvas clipped(40, 30);
    SelectObject(clipped.Dc(), Font(u"Tahoma", -12));
    SetBkMode(clipped.Dc(), TRANSPARENT);
    ASSERT_TRUE(ExtTextOutW(clipped.Dc(), 2, 2, ETO_CLIPPED, &fill, u"WWWW", 4, nullptr));
    drawn = DrawnArea(clipped.Image());
    EXPECT_TRUE(drawn.left >= fill.left && drawn.top >= fill.top && drawn.right <= fill.right &&
                drawn.bottom <= fill.bottom)
        << "ETO_CLIPPED: " << Text(drawn);
    EXPECT_FALSE(ExtTextOutW(clipped.Dc(), 0, 0, 0, nullptr, nullptr, 3, nullptr)) << "no text for a count of 3";
}

using GdiEdgeTest = FreshDevice;

TEST_F(GdiEdgeTest, RaisedEdgesLightTheTopLeftAndShadeTheBottomRight)
{
    constexpr COLORREF L = RGB(192, 192, 192), W = RGB(255, 255, 255), S = RGB(128, 128, 128), D = RGB(0, 0, 0),
                       X = kSentinel;
    const struct {
        UINT flags;
        RECT adjusted;
        COLORREF expected[4][4];
    } cases[] = {
        {BF_RECT | BF_ADJUST, {2, 2, 2, 2}, {{L, L, L, D}, {L, W, S, D}, {L, S, S, D}, {D, D, D, D}}},
        {BF_BOTTOM | BF_ADJUST, {0, 0, 4, 2}, {{X, X, X, X}, {X, X, X, X}, {S, S, S, S}, {D, D, D, D}}},
        {BF_RECT | BF_MIDDLE, {0, 0, 4, 4}, {{L, L, L, D}, {L, W, S, D}, {L, S, S, D}, {D, D, D, D}}},
    };
    for (const auto& c : cases) {
        ColourCanvas canvas(4, 4);
        RECT rect{0, 0, 4, 4};
        ASSERT_TRUE(DrawEdge(canvas.Dc(), &rect, EDGE_RAISED, c.flags));
        EXPECT_TRUE(rect == c.adjusted) << std::hex << c.flags << ": " << Text(rect);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(GetPixel(canvas.Dc(), x, y), c.expected[y][x]) << std::hex << c.flags << " at " << x << "," << y;
    }
}

TEST(WordWrapTest, BreaksFallBetweenWordsAndDropTheSpacesThere)
{
    auto measure = [](std::u16string_view text) { return static_cast<int>(text.size()); };
    const struct {
        std::u16string_view line;
        int width;
        std::vector<std::u16string_view> lines;
    } cases[] = {
        {u"one two three", 7, {u"one two", u"three"}},
        {u"one two three", 6, {u"one", u"two", u"three"}},
        {u"unbreakable word", 4, {u"unbreakable", u"word"}},
        {u"  indented text", 11, {u"  indented", u"text"}},
        {u"trailing   ", 8, {u"trailing"}},
        {u"", 5, {u""}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(platform::gdi::WrapWords(test.line, test.width, measure), test.lines)
            << std::string(test.line.begin(), test.line.end());
}
