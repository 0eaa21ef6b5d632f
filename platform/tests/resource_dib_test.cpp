#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "dib_builder.h"
#include "resources/dib_decoder.h"
#include "test_bitmaps.h"

using platform::resources::DecodeDib;
using platform::resources::DecodedDib;

namespace {

DecodedDib DecodeCopy(const std::vector<BYTE>& bytes)
{
    std::vector<BYTE> exact(bytes.begin(), bytes.end());  // reads past it are caught
    exact.shrink_to_fit();
    return DecodeDib(exact);
}

void SetDword(std::vector<BYTE>& bytes, size_t at, DWORD value) { std::memcpy(bytes.data() + at, &value, 4); }
void SetWord(std::vector<BYTE>& bytes, size_t at, WORD value) { std::memcpy(bytes.data() + at, &value, 2); }

}  // namespace

TEST(DibDecoderTest, EveryDepthAndRowOrderGivesThePixelsAsColoursFromTheTop)
{
    const DibSpec topDownMono = [] {
        DibSpec spec = kMonoBitmap;
        spec.topDown = true;
        return spec;
    }();
    const DibSpec bottomUpFourBit = [] {
        DibSpec spec = kFourBitBitmap;
        spec.topDown = false;
        return spec;
    }();
    for (const DibSpec* spec :
         {&kMonoBitmap, &topDownMono, &kFourBitBitmap, &bottomUpFourBit, &kEightBitBitmap, &kTrueColourBitmap}) {
        DecodedDib decoded = DecodeCopy(BuildDib(*spec));
        ASSERT_TRUE(decoded.bitmap) << decoded.error;
        const auto& bitmap = *decoded.bitmap;
        EXPECT_EQ(bitmap.Width(), spec->width);
        EXPECT_EQ(bitmap.Height(), spec->height);
        EXPECT_EQ(bitmap.BitsPerPixel(), spec->bitsPerPixel) << "a loaded bitmap keeps the resource's depth";
        for (int y = 0; y < spec->height; ++y)
            for (int x = 0; x < spec->width; ++x)
                EXPECT_EQ(bitmap.Pixel(x, y), spec->ColourAt(x, y))
                    << spec->bitsPerPixel << " bits, " << (spec->topDown ? "top-down" : "bottom-up") << ", pixel "
                    << x << "," << y;
    }
}

TEST(DibDecoderTest, AnIndexBeyondAShortPaletteShowsBlack)
{
    DibSpec spec{2, 1, 4, false, {RGB(255, 255, 255)}, {0, 5}};
    DecodedDib decoded = DecodeCopy(BuildDib(spec));
    ASSERT_TRUE(decoded.bitmap) << decoded.error;
    EXPECT_EQ(decoded.bitmap->Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(decoded.bitmap->Pixel(1, 0), RGB(0, 0, 0));
}

TEST(DibDecoderTest, AnOmittedPaletteSizeMeansEveryColourOfTheDepth)
{
    std::vector<BYTE> bytes = BuildDib(kMonoBitmap);
    SetDword(bytes, 32, 0);  // colours used
    DecodedDib decoded = DecodeCopy(bytes);
    ASSERT_TRUE(decoded.bitmap) << decoded.error;
    EXPECT_EQ(decoded.bitmap->Pixel(0, 0), kMonoBitmap.ColourAt(0, 0));
}

TEST(DibDecoderTest, RejectsUnsoundHeadersWithTheReason)
{
    struct Case {
        const char* corruption;
        std::function<void(std::vector<BYTE>&)> corrupt;
        const char* reason;
    };
    const Case cases[] = {
        {"header size 12 (old format)", [](auto& b) { SetDword(b, 0, 12); }, "header size 12"},
        {"header size past the end", [](auto& b) { SetDword(b, 0, 0x10000); }, "header size 65536"},
        {"two planes", [](auto& b) { SetWord(b, 12, 2); }, "2 planes"},
        {"16 bits per pixel", [](auto& b) { SetWord(b, 14, 16); }, "16 bits per pixel"},
        {"run-length compression", [](auto& b) { SetDword(b, 16, 1); }, "compression 1"},
        {"zero width", [](auto& b) { SetDword(b, 4, 0); }, "size 0 x"},
        {"negative width", [](auto& b) { SetDword(b, 4, static_cast<DWORD>(-3)); }, "size -3 x"},
        {"zero height", [](auto& b) { SetDword(b, 8, 0); }, "x 0"},
        {"absurd height", [](auto& b) { SetDword(b, 8, 0x7FFFFFFF); }, "x 2147483647"},
        {"absurd top-down height", [](auto& b) { SetDword(b, 8, 0x80000000); }, "x -2147483648"},
        {"more palette entries than the depth has", [](auto& b) { SetDword(b, 32, 3); }, "3 palette entries"},
        {"palette past the end", [](auto& b) { b.resize(40 + 4); }, "palette runs past the end"},
        {"rows past the end", [](auto& b) { b.pop_back(); }, "pixel rows run past the end"},
    };
    for (const Case& test : cases) {
        std::vector<BYTE> bytes = BuildDib(kMonoBitmap);
        test.corrupt(bytes);
        DecodedDib decoded = DecodeCopy(bytes);
        EXPECT_FALSE(decoded.bitmap) << test.corruption << ": no bitmap from unsound data";
        EXPECT_NE(decoded.error.find(test.reason), std::string::npos)
            << test.corruption << ": the error should say \"" << test.reason << "\", says \"" << decoded.error << "\"";
    }
}

TEST(DibDecoderTest, EveryTruncationFails)
{
    for (const DibSpec* spec : {&kMonoBitmap, &kTrueColourBitmap}) {
        std::vector<BYTE> bytes = BuildDib(*spec);
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(DecodeCopy({bytes.begin(), bytes.begin() + static_cast<long>(length)}).bitmap)
                << spec->bitsPerPixel << " bits cut to " << length << " bytes";
    }
}
