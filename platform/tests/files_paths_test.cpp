#include <filesystem>
#include <fstream>

#include <device/text.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

namespace fs = std::filesystem;

using FilesPathsTest = FreshDevice;

namespace {

fs::path HostRoot() { return device::FileRoot(); }

DWORD ErrorAfter(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

DWORD CreateError(const WCHAR* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    return ErrorAfter(file != INVALID_HANDLE_VALUE && CloseHandle(file));
}

}  // namespace

TEST_F(FilesPathsTest, NamesAreFoundWithoutRegardToCaseAndKeepTheSpellingGiven)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\Lexovia Notes", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\MY DOCUMENTS\\lexovia notes\\ReadMe.TXT", "hello"));
    EXPECT_TRUE(fs::is_regular_file(HostRoot() / "My Documents" / "Lexovia Notes" / "ReadMe.TXT"))
        << "a new entry keeps its given spelling under the existing folders' own";
    EXPECT_EQ(device_files::Read(u"\\my documents\\LEXOVIA NOTES\\readme.txt"), "hello");
    EXPECT_EQ(device_files::Read(u"My Documents\\Lexovia Notes\\ReadMe.TXT"), "hello")
        << "a path without a leading backslash starts at the root";
    EXPECT_EQ(device_files::Read(u"\\\\My Documents\\\\Lexovia Notes\\ReadMe.TXT"), "hello")
        << "repeated backslashes count as one";
    ASSERT_TRUE(device_files::Write(u"\\My Documents\\Привет.txt", "utf"));
    EXPECT_TRUE(fs::exists(HostRoot() / "My Documents" / "Привет.txt")) << "host names are the UTF-8 of device names";
}

TEST_F(FilesPathsTest, MissingEntriesAndMissingFoldersFailDifferently)
{
    struct Case {
        const WCHAR* path;
        DWORD error;
    } cases[] = {
        {u"\\Windows\\nothing.txt", ERROR_FILE_NOT_FOUND},
        {u"\\Nowhere\\nothing.txt", ERROR_PATH_NOT_FOUND},
        {u"\\Windows\\Start Menu\\Calendar.lnk\\below.txt", ERROR_PATH_NOT_FOUND},
        {u"", ERROR_PATH_NOT_FOUND},
        {nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        const char* shown = c.path ? "" : "(null)";
        EXPECT_EQ(ErrorAfter(GetFileAttributesW(c.path) != INVALID_FILE_ATTRIBUTES), c.error) << shown;
        EXPECT_EQ(ErrorAfter(DeleteFileW(c.path)), c.error) << shown;
        EXPECT_EQ(ErrorAfter(RemoveDirectoryW(c.path)), c.error) << shown;
        HANDLE file = CreateFileW(c.path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(file, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error) << shown;
    }
}

TEST_F(FilesPathsTest, NoPathReachesOutsideTheDeviceImage)
{
    fs::path image = HostRoot().parent_path();
    std::u16string tooLong = u"\\" + std::u16string(MAX_PATH, u'a');
    struct Case {
        std::u16string path;
        DWORD error;
    } cases[] = {
        {u"\\..\\escaped", ERROR_INVALID_NAME},
        {u"\\Windows\\..\\..\\escaped", ERROR_INVALID_NAME},
        {u"..\\escaped", ERROR_INVALID_NAME},
        {u"\\.\\escaped", ERROR_INVALID_NAME},
        {u"/tmp/escaped", ERROR_INVALID_NAME},
        {u"\\Windows/../../escaped", ERROR_INVALID_NAME},
        {u"C:\\escaped", ERROR_INVALID_NAME},
        {device::Utf16(image.string()) + u"/escaped", ERROR_INVALID_NAME},
        {u"\\esc\x01aped", ERROR_INVALID_NAME},
        {u"\\esc*aped", ERROR_INVALID_NAME},
        {u"\\esc?aped", ERROR_INVALID_NAME},
        {tooLong, ERROR_FILENAME_EXCED_RANGE},
    };
    for (const Case& c : cases) {
        std::string shown = device::Utf8(c.path);
        EXPECT_EQ(CreateError(c.path.c_str()), c.error) << shown;
        EXPECT_EQ(ErrorAfter(CreateDirectoryW(c.path.c_str(), nullptr)), c.error) << shown;
        EXPECT_EQ(ErrorAfter(CopyFileW(u"\\Windows\\Start Menu\\Calendar.lnk", c.path.c_str(), FALSE)), c.error)
            << shown;
        EXPECT_EQ(ErrorAfter(MoveFileW(u"\\Windows\\Start Menu\\Notes.lnk", c.path.c_str())), c.error) << shown;
        EXPECT_EQ(ErrorAfter(GetFileAttributesW(c.path.c_str()) != INVALID_FILE_ATTRIBUTES), c.error) << shown;
    }
    for (const fs::path& outside : {image / "escaped", image.parent_path() / "escaped", fs::path("/tmp/escaped")})
        EXPECT_FALSE(fs::exists(outside)) << outside;
}

TEST_F(FilesPathsTest, HostSymlinksAreNeitherListedNorFollowed)
{
    fs::path outside = HostRoot().parent_path() / "outside";
    fs::create_directory(outside);
    std::ofstream(outside / "secret.txt") << "host data";
    fs::create_directory_symlink(outside, HostRoot() / "Linked");
    fs::create_symlink(outside / "secret.txt", HostRoot() / "Temp" / "secret.txt");

    EXPECT_EQ(ErrorAfter(GetFileAttributesW(u"\\Linked\\secret.txt") != INVALID_FILE_ATTRIBUTES),
              static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CreateError(u"\\Linked\\new.txt"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CreateError(u"\\temp\\SECRET.TXT"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ErrorAfter(DeleteFileW(u"\\Temp\\secret.txt")), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(device_files::List(u"\\*"), (std::vector<std::u16string>{u"My Documents", u"Temp", u"Windows"}));
    EXPECT_TRUE(device_files::List(u"\\Temp\\*.*").empty());
    std::string content;
    std::getline(std::ifstream(outside / "secret.txt"), content);
    EXPECT_EQ(content, "host data");
    EXPECT_FALSE(fs::exists(outside / "new.txt"));
}

TEST_F(FilesPathsTest, HostNamesTheDeviceCannotSpellStayInvisible)
{
    std::ofstream(HostRoot() / "Temp" / "a:b.txt") << "x";
    std::ofstream(HostRoot() / "Temp" / "bad\xff.txt") << "x";
    std::ofstream(HostRoot() / "Temp" / "good.txt") << "x";
    EXPECT_EQ(device_files::List(u"\\Temp\\*"), std::vector<std::u16string>{u"good.txt"});
}

// Names are looked up in each folder's index rather than by listing it;
// every change the platform makes, and any the host makes behind it, shows.
TEST_F(FilesPathsTest, CaseBlindLookUpsFollowEveryChangeToTheFolder)
{
    auto createNew = [](const WCHAR* path) {
        HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        return ErrorAfter(file != INVALID_HANDLE_VALUE && CloseHandle(file));
    };
    EXPECT_EQ(createNew(u"\\Temp\\Alpha.txt"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(createNew(u"\\Temp\\ALPHA.TXT"), static_cast<DWORD>(ERROR_FILE_EXISTS)) << "a file just created";
    ASSERT_TRUE(MoveFileW(u"\\Temp\\alpha.txt", u"\\Temp\\Beta.txt"));
    EXPECT_EQ(createNew(u"\\Temp\\beta.TXT"), static_cast<DWORD>(ERROR_FILE_EXISTS)) << "a file just renamed";
    EXPECT_EQ(createNew(u"\\Temp\\alpha.TXT"), static_cast<DWORD>(ERROR_SUCCESS)) << "its old name is free";
    ASSERT_TRUE(DeleteFileW(u"\\Temp\\ALPHA.txt"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Gamma", nullptr));
    EXPECT_EQ(ErrorAfter(CreateDirectoryW(u"\\Temp\\GAMMA", nullptr)), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(device_files::List(u"\\Temp\\*.*"), (std::vector<std::u16string>{u"Beta.txt", u"Gamma"}));

    // The host adds a spelling behind the platform's back; the folder's
    // changed time tells.
    std::ofstream(HostRoot() / "Temp" / "DELTA.txt") << "host";
    fs::last_write_time(HostRoot() / "Temp", fs::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(device_files::Read(u"\\Temp\\delta.TXT"), "host");
    EXPECT_EQ(createNew(u"\\Temp\\Delta.txt"), static_cast<DWORD>(ERROR_FILE_EXISTS));
}
