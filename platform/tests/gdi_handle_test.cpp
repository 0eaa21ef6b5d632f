#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string_view>

#include <windows.h>

#include "colour_canvas.h"
#include "fresh_device.h"

using GdiHandleTest = FreshDevice;

TEST_F(GdiHandleTest, StaleAndWrongKindsOfHandleFailWithInvalidHandle)
{
    ColourCanvas canvas(2, 2);
    HBRUSH stale = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_TRUE(DeleteObject(stale));
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(canvas.Dc(), 2, 2);
    LOGBRUSH described{};
    const RECT corner{0, 0, 1, 1};
    const struct {
        const char* what;
        std::function<bool()> fails;
    } calls[] = {
        {"selecting a deleted brush", [&] { return !SelectObject(canvas.Dc(), stale); }},
        {"describing a deleted brush", [&] { return GetObjectW(stale, sizeof described, &described) == 0; }},
        {"deleting a brush twice", [&] { return !DeleteObject(stale); }},
        {"selecting a context into a context", [&] { return !SelectObject(canvas.Dc(), memory); }},
        {"a bitmap as a blit's destination", [&] { return !BitBlt((HDC)bitmap, 0, 0, 1, 1, memory, 0, 0, SRCCOPY); }},
        {"a bitmap as a blit's source", [&] { return !BitBlt(canvas.Dc(), 0, 0, 1, 1, (HDC)bitmap, 0, 0, SRCCOPY); }},
        {"a brush's background colour", [&] { return SetBkColor((HDC)stale, 0) == CLR_INVALID; }},
        {"a bitmap's text colour", [&] { return GetTextColor((HDC)bitmap) == CLR_INVALID; }},
        {"a bitmap as a context to copy", [&] { return !CreateCompatibleDC((HDC)bitmap); }},
        {"deleting a context as an object", [&] { return !DeleteObject(memory); }},
        {"deleting a bitmap as a context", [&] { return !DeleteDC((HDC)bitmap); }},
        {"filling with a context as the brush", [&] { return !FillRect(canvas.Dc(), &corner, (HBRUSH)memory); }},
        {"a pixel of a deleted brush", [&] { return GetPixel((HDC)stale, 0, 0) == CLR_INVALID; }},
    };
    for (const auto& call : calls) {
        SetLastError(0);
        EXPECT_TRUE(call.fails()) << call.what << " fails";
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << call.what;
    }
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), kSentinel) << "no failed call drew anything";
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(GdiHandleTest, AnObjectSelectedIntoAContextCannotBeDeletedUntilItIsDeselected)
{
    ColourCanvas canvas(2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ original = SelectObject(canvas.Dc(), brush);
    ASSERT_EQ(original, GetStockObject(WHITE_BRUSH)) << "a new context holds the white brush";
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
    SetLastError(0);
    EXPECT_FALSE(DeleteObject(brush)) << "the brush is selected";
    EXPECT_FALSE(DeleteObject(canvas.Bitmap())) << "the bitmap is selected";
    EXPECT_TRUE(PatBlt(canvas.Dc(), 0, 0, 1, 1, PATCOPY)) << "the brush still paints";
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(SelectObject(canvas.Dc(), original), brush);
    EXPECT_TRUE(DeleteObject(brush)) << "deselected, it goes";
}

TEST_F(GdiHandleTest, ABitmapIsSelectedIntoOneMemoryContextAtATime)
{
    ColourCanvas canvas(2, 2);
    HDC other = CreateCompatibleDC(canvas.Dc());
    EXPECT_FALSE(SelectObject(other, canvas.Bitmap())) << "already in the canvas's context";
    EXPECT_EQ(SelectObject(canvas.Dc(), canvas.Bitmap()), canvas.Bitmap()) << "selecting it again where it is";
    HDC window = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(window, 1, 1);
    EXPECT_FALSE(SelectObject(window, bitmap)) << "a window's context takes none";
    ReleaseDC(nullptr, window);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(other));
}

TEST_F(GdiHandleTest, StockObjectsOutliveDeletionAndDescribeThemselves)
{
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white)) << "deleting a stock object does nothing, successfully";
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(white, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(GetStockObject(9), nullptr) << "no stock object has index 9";
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(memory, 99), nullptr);
    DeleteDC(memory);
}

TEST_F(GdiHandleTest, AFontDescribesItselfAsItWasCreated)
{
    LOGFONTW asked{};
    asked.lfHeight = -12;
    asked.lfWeight = FW_BOLD;
    std::u16string_view face = u"Tahoma";
    std::copy(face.begin(), face.end(), asked.lfFaceName);
    HFONT font = CreateFontIndirectW(&asked);
    ASSERT_TRUE(font);
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW))) << "the size it needs";
    LOGFONTW described{};
    ASSERT_EQ(GetObjectW(font, sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_EQ(std::memcmp(&described, &asked, sizeof asked), 0);
    EXPECT_EQ(GetObjectW(font, sizeof described - 1, &described), 0) << "a buffer too small";
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_TRUE(DeleteObject(font));
}

TEST_F(GdiHandleTest, WindowContextsGoBackOnlyTheWayTheyCame)
{
    HDC screen = GetDC(nullptr);
    SetLastError(0);
    EXPECT_FALSE(DeleteDC(screen)) << "a window's context is released, not deleted";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_EQ(ReleaseDC(nullptr, memory), 0) << "a memory context is deleted, not released";
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0) << "released once";
    EXPECT_TRUE(DeleteDC(memory));
}
