#include "gdi/bitmap.h"
#include "gdi/gdi_object_table.h"
#include "library_test_fixture.h"
#include "test_bitmaps.h"

namespace {

class ResourceTest : public LoadedLibraryTest {
protected:
    std::string DataOf(LPCWSTR name, LPCWSTR type) const
    {
        HRSRC found = FindResourceW(library, name, type);
        if (!found) return "(none)";
        const char* data = static_cast<const char*>(LockResource(LoadResource(library, found)));
        return std::string(data, SizeofResource(library, found));
    }
};

}  // namespace

TEST_F(ResourceTest, FindsResourcesByOrdinalNameOrHashNumberInAnyCase)
{
    EXPECT_EQ(DataOf(u"Greeting", RT_RCDATA), "hello");
    EXPECT_EQ(DataOf(u"GREETING", RT_RCDATA), "hello");
    EXPECT_EQ(DataOf(u"#10", RT_RCDATA), "(none)") << "RCDATA's own number names no resource here";
    EXPECT_EQ(DataOf(MAKEINTRESOURCEW(IDR_GREETING), u"sample"), "sample");
    EXPECT_EQ(DataOf(u"#77", u"SAMPLE"), "sample");
    EXPECT_EQ(DataOf(MAKEINTRESOURCEW(IDR_GREETING), u"#10"), "(none)");
    EXPECT_EQ(DataOf(u"greeting", u"#10"), "hello") << "\"#10\" is RT_RCDATA";
}

TEST_F(ResourceTest, MissingResourcesAndBadHandlesFailWithThePlatformsErrors)
{
    HMODULE stale = library;
    FreeLibrary(library);
    library = LoadLibraryW(u"testlib.dll");
    struct Case {
        HMODULE module;
        LPCWSTR name;
        LPCWSTR type;
        DWORD error;
    };
    const Case cases[] = {
        {library, MAKEINTRESOURCEW(IDB_MONO), RT_MENU, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {library, MAKEINTRESOURCEW(999), RT_BITMAP, ERROR_RESOURCE_NAME_NOT_FOUND},
        {library, u"Nothing", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
        {library, nullptr, RT_BITMAP, ERROR_INVALID_PARAMETER},
        {stale, MAKEINTRESOURCEW(IDB_MONO), RT_BITMAP, ERROR_INVALID_HANDLE},
        {nullptr, MAKEINTRESOURCEW(IDB_MONO), RT_BITMAP, ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case& test : cases) {
        SetLastError(0);
        EXPECT_FALSE(FindResourceW(test.module, test.name, test.type)) << "case #" << (&test - cases);
        EXPECT_EQ(GetLastError(), test.error) << "case #" << (&test - cases);
    }
}

TEST_F(ResourceTest, AResourceHandleWorksOnlyWithItsOwnModule)
{
    ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\other.dll"));
    HMODULE other = LoadLibraryW(u"other.dll");
    ASSERT_TRUE(other);
    HRSRC found = FindResourceW(library, u"Greeting", RT_RCDATA);
    ASSERT_TRUE(found);
    EXPECT_TRUE(LoadResource(library, found));
    EXPECT_TRUE(LoadResource(nullptr, found)) << "no module: the handle's own";
    EXPECT_FALSE(LoadResource(other, found));
    EXPECT_EQ(SizeofResource(other, found), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(LoadResource(library, reinterpret_cast<HRSRC>(library))) << "not a resource handle";
    FreeLibrary(other);
}

TEST_F(ResourceTest, LoadStringCopiesWhatFitsTerminatedAndReturnsItsLength)
{
    struct Case {
        UINT id;
        int size;
        std::u16string text;
        int result;
    };
    const Case cases[] = {
        {IDS_HELLO, 16, u"Hello", 5},
        {IDS_HELLO, 6, u"Hello", 5},
        {IDS_HELLO, 5, u"Hell", 4},
        {IDS_HELLO, 1, u"", 0},
        {IDS_LONG, 10, u"A string ", 9},
        {IDS_BOTH_LANGUAGES, 16, u"Both", 4},  // US English before Russian
        {IDS_RUSSIAN_ONLY, 32, u"Только русский", 14},
        {IDS_UNUSED_SLOT, 16, u"", 0},
        {999, 16, u"", 0},
    };
    for (const Case& test : cases) {
        WCHAR buffer[40];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(LoadStringW(library, test.id, buffer, test.size), test.result) << "id " << test.id;
        EXPECT_EQ(std::u16string(buffer), test.text) << "id " << test.id << ", buffer of " << test.size;
        EXPECT_EQ(buffer[test.size], u'#') << "id " << test.id << ": nothing written past the buffer";
    }
}

TEST_F(ResourceTest, LoadStringWithoutARealBufferWritesNothing)
{
    WCHAR buffer[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(LoadStringW(library, IDS_HELLO, buffer, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(buffer[0], u'#');
    EXPECT_EQ(LoadStringW(library, IDS_HELLO, nullptr, 4), 0);
}

TEST_F(ResourceTest, LoadBitmapGivesEveryDepthsPixelsAndItsDescription)
{
    struct Case {
        LPCWSTR name;
        const DibSpec* spec;
        LONG widthBytes;
    };
    const Case cases[] = {
        {MAKEINTRESOURCEW(IDB_MONO), &kMonoBitmap, 4},
        {u"keyface", &kMonoBitmap, 4},
        {MAKEINTRESOURCEW(IDB_FOUR_BIT), &kFourBitBitmap, 4},
        {MAKEINTRESOURCEW(IDB_EIGHT_BIT), &kEightBitBitmap, 8},
        {MAKEINTRESOURCEW(IDB_TRUE_COLOUR), &kTrueColourBitmap, 12},
    };
    for (const Case& test : cases) {
        const DibSpec& spec = *test.spec;
        HBITMAP bitmap = LoadBitmapW(library, test.name);
        ASSERT_TRUE(bitmap) << spec.bitsPerPixel << " bits";
        BITMAP description{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof description, &description), static_cast<int>(sizeof description));
        EXPECT_EQ(description.bmWidth, spec.width);
        EXPECT_EQ(description.bmHeight, spec.height);
        EXPECT_EQ(description.bmBitsPixel, spec.bitsPerPixel);
        EXPECT_EQ(description.bmWidthBytes, test.widthBytes);
        EXPECT_EQ(description.bmPlanes, 1);
        const auto* pixels = platform::gdi::FindObjectOf<platform::gdi::Bitmap>(bitmap);
        ASSERT_TRUE(pixels);
        for (int y = 0; y < spec.height; ++y)
            for (int x = 0; x < spec.width; ++x)
                ASSERT_EQ(pixels->Pixel(x, y), spec.ColourAt(x, y))
                    << spec.bitsPerPixel << " bits, pixel " << x << "," << y;
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(ResourceTest, ABitmapHandleFailsOnceDeleted)
{
    HBITMAP bitmap = LoadBitmapW(library, MAKEINTRESOURCEW(IDB_MONO));
    ASSERT_TRUE(bitmap);
    BITMAP description;
    EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP))) << "no buffer: the size needed";
    EXPECT_EQ(GetObjectW(bitmap, sizeof description - 1, &description), 0) << "a buffer too small";
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetObjectW(bitmap, sizeof description, &description), 0);
}

TEST_F(ResourceTest, LoadBitmapOfAMissingBitmapFails)
{
    EXPECT_FALSE(LoadBitmapW(library, MAKEINTRESOURCEW(IDS_HELLO + 100)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_FALSE(LoadBitmapW(library, u"Greeting")) << "an RCDATA resource is no bitmap";
}
