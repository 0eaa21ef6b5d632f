#include <commctrl.h>

#include "comctl/image_list_table.h"
#include "library_test_fixture.h"
#include "test_bitmaps.h"

namespace {

class ImageListTest : public LoadedLibraryTest {
protected:
    HIMAGELIST LoadEightBit(int width, COLORREF mask) const
    {
        return ImageList_LoadImageW(library, MAKEINTRESOURCEW(IDB_EIGHT_BIT), width, 1, mask, IMAGE_BITMAP, 0);
    }
};

const COLORREF kGrey = RGB(128, 128, 128);

}  // namespace

TEST_F(ImageListTest, TheBitmapIsCutIntoAsManyWholeImagesAsFit)
{
    struct Case {
        int width;
        int count;
    };
    for (const Case& test : {Case{3, 2}, Case{4, 1}, Case{6, 1}, Case{1, 6}, Case{7, 0}}) {
        HIMAGELIST list = LoadEightBit(test.width, kGrey);
        ASSERT_TRUE(list) << "width " << test.width;
        EXPECT_EQ(ImageList_GetImageCount(list), test.count) << "width " << test.width;
        int cx = 0, cy = 0;
        EXPECT_TRUE(ImageList_GetImageSize(list, &cx, &cy));
        EXPECT_EQ(cx, test.width);
        EXPECT_EQ(cy, kEightBitBitmap.height);
        EXPECT_TRUE(ImageList_Destroy(list));
    }
}

TEST_F(ImageListTest, ImagesKeepTheirPixelsAndTheMaskColourMarksTransparency)
{
    struct Case {
        COLORREF mask;
        bool greyIsTransparent;
    };
    const Case cases[] = {{kGrey, true}, {CLR_DEFAULT, true}, {CLR_NONE, false}, {RGB(1, 1, 1), false}};
    for (const Case& test : cases) {
        HIMAGELIST list = LoadEightBit(3, test.mask);
        ASSERT_TRUE(list);
        const auto& images = platform::comctl::ImageLists().Find(list)->Images();
        ASSERT_EQ(images.size(), 2u);
        for (size_t image = 0; image < images.size(); ++image) {
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 3; ++x) {
                    COLORREF expected = kEightBitBitmap.ColourAt(static_cast<int>(image) * 3 + x, y);
                    size_t at = static_cast<size_t>(y) * 3 + x;
                    EXPECT_EQ(images[image].pixels[at], expected) << "image " << image << " pixel " << x << "," << y;
                    EXPECT_EQ(images[image].transparent[at], test.greyIsTransparent && expected == kGrey)
                        << "mask " << std::hex << test.mask << ", image " << image << " pixel " << x << "," << y;
                }
            }
        }
        ImageList_Destroy(list);
    }
}

TEST_F(ImageListTest, AnImageListOutlivesTheLibraryItCameFrom)
{
    HIMAGELIST list = LoadEightBit(3, kGrey);
    FreeLibrary(library);
    library = nullptr;
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, BadRequestsAndStaleHandlesFail)
{
    EXPECT_FALSE(ImageList_LoadImageW(library, MAKEINTRESOURCEW(999), 16, 1, kGrey, IMAGE_BITMAP, 0));
    EXPECT_FALSE(ImageList_LoadImageW(library, MAKEINTRESOURCEW(IDB_MONO), 16, 1, kGrey, IMAGE_ICON, 0));
    EXPECT_FALSE(LoadEightBit(0, kGrey));

    HIMAGELIST list = LoadEightBit(3, kGrey);
    ASSERT_TRUE(list);
    EXPECT_FALSE(ImageList_GetImageSize(list, nullptr, nullptr));
    EXPECT_FALSE(DeleteObject(list)) << "an image list is no drawing object";
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    int cx = -1, cy = -1;
    EXPECT_FALSE(ImageList_GetImageSize(list, &cx, &cy));
    EXPECT_EQ(cx, -1) << "a stale list writes nothing";
}
