#include <device/text.h>

#include "library_test_fixture.h"

namespace {

class LanguageFileTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(TEST_LANGUAGE_FILE, u"\\Windows\\shell32.exe.0419.mui"));
    }
};

std::u16string StringOf(HMODULE module, UINT id)
{
    WCHAR buffer[256];
    return LoadStringW(module, id, buffer, 256) ? std::u16string(buffer) : u"(none)";
}

}  // namespace

TEST_F(LanguageFileTest, OpensByBareNameAsDataAndReadsItsStrings)
{
    HMODULE file = LoadLibraryExW(u"shell32.exe.0419.mui", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(file) << device::LastLibraryFailure();
    EXPECT_EQ(StringOf(file, 36933), u"\\Windows\\Главное меню");
    EXPECT_EQ(StringOf(file, 108), u"Календарь");
    EXPECT_EQ(StringOf(file, 109), u"(none)");
    EXPECT_FALSE(GetProcAddress(file, "DllMain")) << "a data file has no code";
    EXPECT_TRUE(device::DllMainLog().empty());
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(file, path, MAX_PATH), 29u);
    EXPECT_EQ(std::u16string(path), u"\\Windows\\shell32.exe.0419.mui");

    EXPECT_TRUE(FreeLibrary(file));
    WCHAR buffer[16];
    EXPECT_EQ(LoadStringW(file, 108, buffer, 16), 0) << "a released file has no strings";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(LanguageFileTest, AFileThatIsNoResourceFileOrIsMissingDoesNotOpen)
{
    ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\calc.exe.0419.mui"));
    struct Case {
        const char16_t* name;
        DWORD error;
    };
    const Case cases[] = {
        {u"calc.exe.0419.mui", ERROR_BAD_EXE_FORMAT},
        {u"notes.exe.0419.mui", ERROR_MOD_NOT_FOUND},
    };
    for (const Case& test : cases) {
        SetLastError(0);
        EXPECT_FALSE(LoadLibraryExW(test.name, nullptr, LOAD_LIBRARY_AS_DATAFILE)) << device::Utf8(test.name);
        EXPECT_EQ(GetLastError(), test.error);
    }
}

TEST_F(LanguageFileTest, WithoutTheDataFlagALanguageFileIsNoLibrary)
{
    EXPECT_FALSE(LoadLibraryExW(u"shell32.exe.0419.mui", nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
}

TEST_F(LanguageFileTest, ALoadedLibraryOpenedAsDataIsTheSameModule)
{
    HMODULE library = LoadLibraryW(u"testlib.dll");
    ASSERT_TRUE(library);
    EXPECT_EQ(LoadLibraryExW(u"testlib.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE), library);
    int detaches = 0;
    WatchDetach(library, &detaches);
    FreeLibrary(library);
    EXPECT_EQ(detaches, 0);
    FreeLibrary(library);
    EXPECT_EQ(detaches, 1);
}
