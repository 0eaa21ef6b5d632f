#include <gtest/gtest.h>

#include "text_art.h"

TEST(TextArtTest, ReadsPaletteAndRowsFromTheTop)
{
    TextArt art = ReadTextArt(
        "# two rows\n"
        "bits 4\n"
        "colour . C0C0C0\n"
        "colour # FF0000\n"
        "|.#.|\n"
        "|##.|\n");
    ASSERT_EQ(art.error, "");
    EXPECT_EQ(art.bitmap.width, 3);
    EXPECT_EQ(art.bitmap.height, 2);
    EXPECT_EQ(art.bitmap.bitsPerPixel, 4);
    EXPECT_EQ(art.bitmap.palette, (std::vector<COLORREF>{RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0, 0)}));
    EXPECT_EQ(art.bitmap.pixels, (std::vector<uint32_t>{0, 1, 0, 1, 1, 0}));
    EXPECT_EQ(art.bitmap.ColourAt(0, 1), RGB(0xFF, 0, 0));
}

TEST(TextArtTest, TrueColourKeepsColoursInThePixels)
{
    TextArt art = ReadTextArt("bits 24\ncolour r FF0000\ncolour b 0000FF\n|rb|\n");
    ASSERT_EQ(art.error, "");
    EXPECT_TRUE(art.bitmap.palette.empty());
    EXPECT_EQ(art.bitmap.ColourAt(1, 0), RGB(0, 0, 0xFF));
}

TEST(TextArtTest, NamesTheFault)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"bits 3\n", "line 1: bits must be 1, 4, 8 or 24"},
        {"|..|\n", "line 1: bits come before the pixels"},
        {"bits 1\n..\n", "line 2: a row is written between bars: |..##..|"},
        {"bits 1\ncolour . FFFFFF\n|..|\n|...|\n", "line 4: rows differ in width"},
        {"bits 1\ncolour . FFFFFF\n|.x|\n", "line 3: no colour for 'x'"},
        {"bits 1\ncolour . FFFFFF\ncolour x 000000\ncolour y 808080\n|.|\n", "more colours than the depth holds"},
        {"bits 1\ncolour . FFFFF\n", "line 2: a colour is written: colour <character> RRGGBB"},
        {"bits 8\n", "no pixels"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadTextArt(c.text).error, c.error) << c.text;
}
