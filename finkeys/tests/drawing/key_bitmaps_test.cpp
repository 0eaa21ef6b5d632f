// The keyboard library's bitmaps: the SIP button images in colour, and the
// key faces monochrome at exactly the size of the key they cover, so that
// drawing them at the key's corner leaves none of the key uncovered.
#include <windows.h>

#include "keyboard_device.h"

namespace {

struct BitmapSize {
    int id;
    int width;
    int height;
    int bitsPerPixel;
};

const BitmapSize kBitmaps[] = {
    {503, 16, 16, 4},  {504, 32, 16, 4},  {509, 17, 15, 1}, {510, 17, 15, 1}, {511, 17, 15, 1},
    {512, 26, 15, 1},  {513, 29, 15, 1},  {514, 16, 16, 1}, {515, 34, 15, 1}, {516, 25, 15, 1},
    {517, 25, 15, 1},  {518, 17, 15, 1},  {519, 17, 15, 1}, {520, 17, 15, 1}, {521, 17, 15, 1},
    {522, 17, 15, 1},  {523, 25, 15, 1},  {524, 8, 13, 1},  {525, 8, 12, 1},  {526, 25, 15, 1},
    {527, 17, 15, 1},  {528, 25, 15, 1},  {529, 25, 15, 1}, {530, 17, 15, 1}, {531, 17, 15, 1},
};

class KeyBitmapsTest : public FreshDevice {};

}  // namespace

TEST_F(KeyBitmapsTest, EveryBitmapHasItsSizeAndDepth)
{
    ASSERT_NO_FATAL_FAILURE(InstallKeyboard());
    HMODULE library = LoadLibraryW(TEXT("finkeys.dll"));
    ASSERT_NE(library, nullptr);
    for (const BitmapSize& expected : kBitmaps) {
        HBITMAP bitmap = LoadBitmapW(library, MAKEINTRESOURCEW(expected.id));
        ASSERT_NE(bitmap, nullptr) << "bitmap " << expected.id << " is missing";
        BITMAP description = {};
        GetObjectW(bitmap, sizeof description, &description);
        EXPECT_EQ(description.bmWidth, expected.width) << "width of bitmap " << expected.id;
        EXPECT_EQ(description.bmHeight, expected.height) << "height of bitmap " << expected.id;
        EXPECT_EQ(description.bmBitsPixel, expected.bitsPerPixel) << "depth of bitmap " << expected.id;
        DeleteObject(bitmap);
    }
    FreeLibrary(library);
}
