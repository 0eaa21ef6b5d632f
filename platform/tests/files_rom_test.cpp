#include <cstdlib>
#include <filesystem>
#include <functional>

#include <device/device.h>
#include <device/device_files.h>
#include <device/text.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

using FilesRomTest = FreshDevice;

namespace {

const WCHAR kFont[] = u"\\Windows\\tahoma.ttf";
const DWORD kRom = FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_READONLY;

DWORD ErrorAfter(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

DWORD OpenError(const WCHAR* path, DWORD access, DWORD disposition)
{
    HANDLE file = CreateFileW(path, access, 0, nullptr, disposition, 0, nullptr);
    return ErrorAfter(file != INVALID_HANDLE_VALUE && CloseHandle(file));
}

// What a search of \Windows for the font finds: its name and attributes.
std::vector<std::pair<std::u16string, DWORD>> FontsListed()
{
    std::vector<std::pair<std::u16string, DWORD>> found;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(u"\\Windows\\tahoma*", &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do found.emplace_back(data.cFileName, data.dwFileAttributes);
    while (FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

}  // namespace

TEST_F(FilesRomTest, TheFreshDevicesFontsAndTableAreReadOnlyRomFiles)
{
    for (const WCHAR* path :
         {u"\\Windows\\tahoma.ttf", u"\\Windows\\tahomabd.ttf", u"\\Windows\\cour.ttf", u"\\Windows\\wince.nls"})
        EXPECT_EQ(GetFileAttributesW(path), kRom) << device::Utf8(path);
    EXPECT_EQ(device_files::Read(u"\\WINDOWS\\Wince.NLS"), "WINCENLS 106") << "found without regard to case";
    EXPECT_EQ(FontsListed(), (std::vector<std::pair<std::u16string, DWORD>>{{u"tahoma.ttf", kRom},
                                                                             {u"tahomabd.ttf", kRom}}));
}

TEST_F(FilesRomTest, NothingChangesARomFile)
{
    struct Case {
        const char* what;
        std::function<DWORD()> error;
        DWORD expected;
    } cases[] = {
        {"delete", [] { return ErrorAfter(DeleteFileW(kFont)); }, ERROR_ACCESS_DENIED},
        {"move away", [] { return ErrorAfter(MoveFileW(kFont, u"\\Temp\\moved.ttf")); }, ERROR_ACCESS_DENIED},
        {"set attributes", [] { return ErrorAfter(SetFileAttributesW(kFont, FILE_ATTRIBUTE_NORMAL)); },
         ERROR_ACCESS_DENIED},
        {"open to write", [] { return OpenError(kFont, GENERIC_WRITE, OPEN_EXISTING); }, ERROR_ACCESS_DENIED},
        {"open always to write", [] { return OpenError(kFont, GENERIC_WRITE, OPEN_ALWAYS); }, ERROR_ACCESS_DENIED},
        {"truncate", [] { return OpenError(kFont, GENERIC_WRITE, TRUNCATE_EXISTING); }, ERROR_ACCESS_DENIED},
        {"create new", [] { return OpenError(kFont, GENERIC_READ, CREATE_NEW); }, ERROR_FILE_EXISTS},
        {"copy onto, failing if it exists",
         [] { return ErrorAfter(CopyFileW(u"\\Windows\\cour.ttf", kFont, TRUE)); }, ERROR_FILE_EXISTS},
        {"remove as a folder", [] { return ErrorAfter(RemoveDirectoryW(kFont)); }, ERROR_DIRECTORY},
        {"remove its folder", [] { return ErrorAfter(RemoveDirectoryW(u"\\Windows")); }, ERROR_DIR_NOT_EMPTY},
        {"move its folder", [] { return ErrorAfter(MoveFileW(u"\\Windows", u"\\Windows2")); }, ERROR_ACCESS_DENIED},
        {"open to read", [] { return OpenError(kFont, GENERIC_READ, OPEN_EXISTING); }, ERROR_SUCCESS},
    };
    for (const Case& c : cases) EXPECT_EQ(c.error(), c.expected) << c.what;
    EXPECT_EQ(GetFileAttributesW(kFont), kRom);
    EXPECT_EQ(device_files::Read(kFont), "Tahoma (ROM)");
}

// Each way of writing onto the name makes a RAM file that hides the ROM
// file; deleting or moving that away shows the ROM file again.
TEST_F(FilesRomTest, ARamFileOfTheNameShadowsTheRomFileUntilItGoes)
{
    struct Case {
        const char* what;
        std::function<bool()> shadow;
        std::function<bool()> uncover;
    } cases[] = {
        {"moved onto, deleted",
         [] { return device_files::Write(u"\\Temp\\new.ttf", "package") && MoveFileW(u"\\Temp\\new.ttf", kFont); },
         [] { return DeleteFileW(kFont); }},
        {"copied onto, moved away",
         [] { return device_files::Write(u"\\Temp\\new.ttf", "package") && CopyFileW(u"\\Temp\\new.ttf", kFont, FALSE); },
         [] { return MoveFileW(u"\\WINDOWS\\TAHOMA.TTF", u"\\Temp\\parked.ttf") && DeleteFileW(u"\\Temp\\parked.ttf"); }},
        {"created always, deleted", [] { return device_files::Write(kFont, "package"); },
         [] { return DeleteFileW(kFont); }},
    };
    for (const Case& c : cases) {
        DeleteFileW(u"\\Temp\\new.ttf");
        ASSERT_TRUE(c.shadow()) << c.what << ": " << GetLastError();
        EXPECT_EQ(device_files::Read(kFont), "package") << c.what;
        EXPECT_EQ(GetFileAttributesW(kFont), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE)) << c.what;
        EXPECT_EQ(FontsListed(), (std::vector<std::pair<std::u16string, DWORD>>{
                                     {u"tahoma.ttf", FILE_ATTRIBUTE_ARCHIVE}, {u"tahomabd.ttf", kRom}}))
            << c.what << ": listed once, as the RAM file";
        EXPECT_EQ(ErrorAfter(MoveFileW(u"\\Windows\\cour.ttf", kFont)), static_cast<DWORD>(ERROR_ACCESS_DENIED))
            << c.what;
        ASSERT_TRUE(device_files::Write(u"\\Temp\\other.ttf", "other"));
        EXPECT_EQ(ErrorAfter(MoveFileW(u"\\Temp\\other.ttf", kFont)), static_cast<DWORD>(ERROR_ALREADY_EXISTS))
            << c.what << ": a RAM file is not replaced by a move";
        ASSERT_TRUE(c.uncover()) << c.what << ": " << GetLastError();
        EXPECT_EQ(device_files::Read(kFont), "Tahoma (ROM)") << c.what;
        EXPECT_EQ(GetFileAttributesW(kFont), kRom) << c.what;
        DeleteFileW(u"\\Temp\\other.ttf");
    }
}

TEST_F(FilesRomTest, CreatingAlwaysOverARomFileSaysTheNameExisted)
{
    HANDLE file = CreateFileW(kFont, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(file);
}

TEST_F(FilesRomTest, RomFilesAndTheirShadowsSurviveReopeningTheImage)
{
    char folder[] = "/tmp/lexovia-rom-image-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    std::filesystem::path image = folder;
    ASSERT_TRUE(device::CreateImage(image.string()));
    ASSERT_TRUE(device_files::Write(u"\\Windows\\cour.ttf", "package"));
    ASSERT_TRUE(device::OpenImage(image.string()));
    EXPECT_EQ(device_files::Read(u"\\Windows\\cour.ttf"), "package");
    ASSERT_TRUE(DeleteFileW(u"\\Windows\\cour.ttf"));
    EXPECT_EQ(device_files::Read(u"\\Windows\\cour.ttf"), "Courier New (ROM)");
    EXPECT_EQ(GetFileAttributesW(u"\\Windows\\tahoma.ttf"), kRom);
    device::Close();
    std::filesystem::remove_all(image);
}

TEST_F(FilesRomTest, ADeviceCanBeMadeWithoutARomFile)
{
    EXPECT_TRUE(device::RemoveRomFile(u"\\windows\\WINCE.nls"));
    EXPECT_EQ(GetFileAttributesW(u"\\Windows\\wince.nls"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(device::RemoveRomFile(u"\\Windows\\wince.nls"));
}
