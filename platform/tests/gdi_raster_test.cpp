#include <gtest/gtest.h>

#include <windows.h>

#include "colour_canvas.h"
#include "fresh_device.h"
#include "library_test_fixture.h"
#include "test_bitmaps.h"

namespace {

// A monochrome bitmap selected into a memory context of its own.
class MonoCanvas {
public:
    MonoCanvas(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, width, height))
    {
        original_ = SelectObject(dc_, bitmap_);
    }
    ~MonoCanvas()
    {
        SelectObject(dc_, original_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ original_;
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

using GdiRasterTest = FreshDevice;

TEST_F(GdiRasterTest, RasterOperationsCombineSourceAndDestinationBitByBit)
{
    const COLORREF source = 0x0000FF0F, dest = 0x000F0FFF;
    const struct {
        const char* name;
        DWORD rop;
        COLORREF expected;
    } cases[] = {
        {"SRCCOPY copies the source", SRCCOPY, source},
        {"SRCAND keeps the bits set in both", SRCAND, source & dest},
        {"NOTSRCCOPY copies the inverted source", NOTSRCCOPY, ~source & 0xFFFFFF},
        {"SRCPAINT keeps the bits set in either", SRCPAINT, source | dest},
        {"SRCINVERT keeps the bits set in one", SRCINVERT, source ^ dest},
        {"DSTINVERT ignores the source", DSTINVERT, ~dest & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, kBlack},
        {"WHITENESS", WHITENESS, kWhite},
        {"PATCOPY paints the selected (white) brush", PATCOPY, kWhite},
    };
    ColourCanvas from(1, 1, source);
    for (const auto& c : cases) {
        ColourCanvas to(1, 1, dest);
        EXPECT_TRUE(BitBlt(to.Dc(), 0, 0, 1, 1, from.Dc(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(GetPixel(to.Dc(), 0, 0), c.expected) << c.name;
    }
}

TEST_F(GdiRasterTest, PatBltInvertsTheDestinationAndRefusesOperationsThatReadASource)
{
    ColourCanvas canvas(4, 3, RGB(10, 200, 30));
    EXPECT_TRUE(PatBlt(canvas.Dc(), 3, 2, -2, -1, DSTINVERT)) << "a negative extent reaches left and up";
    device::Image image = canvas.Image();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            bool inverted = (x == 1 || x == 2) && y == 1;
            EXPECT_EQ(image.At(x, y), inverted ? RGB(245, 55, 225) : RGB(10, 200, 30)) << x << "," << y;
        }
    SetLastError(0);
    EXPECT_FALSE(PatBlt(canvas.Dc(), 0, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(GdiRasterTest, MonochromeZeroBitsTakeTheTextColourAndOneBitsTheBackground)
{
    MonoCanvas mono(2, 1);
    SetPixel(mono.Dc(), 0, 0, kBlack);
    SetPixel(mono.Dc(), 1, 0, kWhite);
    const struct {
        DWORD rop;
        COLORREF zeroBit, oneBit;
    } cases[] = {
        {SRCCOPY, kRed, kBlue},
        {NOTSRCCOPY, RGB(0, 255, 255), RGB(255, 255, 0)},
        {SRCAND, kRed & RGB(90, 90, 90), kBlue & RGB(90, 90, 90)},
    };
    for (const auto& c : cases) {
        ColourCanvas colour(2, 1, RGB(90, 90, 90));
        SetTextColor(colour.Dc(), kRed);
        SetBkColor(colour.Dc(), kBlue);
        ASSERT_TRUE(BitBlt(colour.Dc(), 0, 0, 2, 1, mono.Dc(), 0, 0, c.rop));
        EXPECT_EQ(GetPixel(colour.Dc(), 0, 0), c.zeroBit) << std::hex << "rop " << c.rop << ": a 0 bit";
        EXPECT_EQ(GetPixel(colour.Dc(), 1, 0), c.oneBit) << std::hex << "rop " << c.rop << ": a 1 bit";
    }
}

TEST_F(GdiRasterTest, ColourPixelsOfTheSourceBackgroundBecomeOneBitsAndAllOthersZeroBits)
{
    ColourCanvas colour(4, 1);
    for (int x = 0; x < 4; ++x) SetPixel(colour.Dc(), x, 0, std::array{kGreen, kWhite, kBlack, kGreen}[x]);
    SetBkColor(colour.Dc(), kGreen);
    MonoCanvas mono(4, 1);
    SetBkColor(mono.Dc(), kRed);  // the destination's colours play no part
    ASSERT_TRUE(BitBlt(mono.Dc(), 0, 0, 4, 1, colour.Dc(), 0, 0, SRCCOPY));
    const COLORREF expected[] = {kWhite, kBlack, kBlack, kWhite};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(GetPixel(mono.Dc(), x, 0), expected[x]) << "pixel " << x << ": only green is the background";
}

TEST_F(GdiRasterTest, DrawingOnAMonochromeBitmapKeepsTheNearerOfBlackAndWhite)
{
    MonoCanvas mono(3, 1);
    const COLORREF asked[] = {RGB(200, 200, 100), RGB(100, 100, 180), kRed};
    const COLORREF kept[] = {kWhite, kBlack, kBlack};
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(SetPixel(mono.Dc(), x, 0, asked[x]), kept[x]) << "SetPixel answers the colour it set";
        EXPECT_EQ(GetPixel(mono.Dc(), x, 0), kept[x]);
    }
}

TEST_F(GdiRasterTest, CopiesReachNeitherPastTheSourceNorPastTheDestination)
{
    ColourCanvas from(2, 2, kRed);
    ColourCanvas to(4, 4);
    ASSERT_TRUE(BitBlt(to.Dc(), -1, 1, 4, 4, from.Dc(), 0, 0, SRCCOPY));
    device::Image image = to.Image();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            bool copied = x == 0 && (y == 1 || y == 2);
            EXPECT_EQ(image.At(x, y), copied ? kRed : kSentinel) << x << "," << y;
        }
    EXPECT_EQ(GetPixel(to.Dc(), 4, 0), CLR_INVALID) << "outside the bitmap";
}

TEST_F(GdiRasterTest, ACopyWithinOneBitmapReadsItAsItWasBefore)
{
    ColourCanvas canvas(3, 1);
    for (int x = 0; x < 3; ++x) SetPixel(canvas.Dc(), x, 0, RGB(x, 0, 0));
    ASSERT_TRUE(BitBlt(canvas.Dc(), 1, 0, 2, 1, canvas.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 0), RGB(1, 0, 0));
}

TEST_F(GdiRasterTest, AMemoryContextMakesBitmapsLikeTheOneItHolds)
{
    HDC memory = CreateCompatibleDC(nullptr);
    BITMAP described{};
    HBITMAP first = CreateCompatibleBitmap(memory, 8, 2);
    ASSERT_EQ(GetObjectW(first, sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_EQ(described.bmBitsPixel, 1) << "a new memory context holds a monochrome bitmap";
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 8, 2);
    ReleaseDC(nullptr, screen);
    HGDIOBJ original = SelectObject(memory, colour);
    HBITMAP second = CreateCompatibleBitmap(memory, 8, 2);
    GetObjectW(second, sizeof described, &described);
    EXPECT_EQ(described.bmBitsPixel, 24) << "holding a colour bitmap, it makes colour ones";
    EXPECT_EQ(described.bmWidthBytes, 24);
    SelectObject(memory, original);
    for (HBITMAP bitmap : {first, colour, second}) EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(memory));
}

using GdiResourceBitmapTest = LoadedLibraryTest;

TEST_F(GdiResourceBitmapTest, BitmapsOfEveryDepthCopyOntoColourAsTheirPixels)
{
    const struct {
        int id;
        const DibSpec* spec;
    } bitmaps[] = {{IDB_MONO, &kMonoBitmap},
                   {IDB_FOUR_BIT, &kFourBitBitmap},
                   {IDB_EIGHT_BIT, &kEightBitBitmap},
                   {IDB_TRUE_COLOUR, &kTrueColourBitmap}};
    for (const auto& b : bitmaps) {
        HBITMAP loaded = LoadBitmapW(library, MAKEINTRESOURCEW(b.id));
        ASSERT_TRUE(loaded) << b.id;
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ original = SelectObject(memory, loaded);
        ColourCanvas canvas(b.spec->width, b.spec->height);
        SetTextColor(canvas.Dc(), kBlack);
        SetBkColor(canvas.Dc(), kWhite);
        ASSERT_TRUE(BitBlt(canvas.Dc(), 0, 0, b.spec->width, b.spec->height, memory, 0, 0, SRCCOPY));
        device::Image image = canvas.Image();
        for (int y = 0; y < b.spec->height; ++y)
            for (int x = 0; x < b.spec->width; ++x)
                EXPECT_EQ(image.At(x, y), b.spec->ColourAt(x, y)) << b.spec->bitsPerPixel << " bits, " << x << "," << y;
        SelectObject(memory, original);
        DeleteDC(memory);
        EXPECT_TRUE(DeleteObject(loaded));
    }
}
