#include <filesystem>

#include <windows.h>

#include "device_files.h"
#include "files/attribute_store.h"
#include "files/file_system.h"
#include "fresh_device.h"

namespace fs = std::filesystem;

using FilesAttributesTest = FreshDevice;

namespace {

const DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;
const DWORD kHidden = FILE_ATTRIBUTE_HIDDEN;
const DWORD kArchive = FILE_ATTRIBUTE_ARCHIVE;
const DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;

DWORD ErrorAfter(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

DWORD OpenError(const WCHAR* path, DWORD access, DWORD disposition)
{
    HANDLE file = CreateFileW(path, access, 0, nullptr, disposition, 0, nullptr);
    return ErrorAfter(file != INVALID_HANDLE_VALUE && CloseHandle(file));
}

}  // namespace

TEST_F(FilesAttributesTest, AttributesAreGivenAtCreationAndRoundTrip)
{
    ASSERT_TRUE(device_files::Write(u"\\Temp\\plain.txt", "x"));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\marked.txt", "x", kHidden | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Folder", nullptr));
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\plain.txt"), kArchive) << "a new file is marked for archiving";
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\marked.txt"), kHidden | FILE_ATTRIBUTE_SYSTEM | kArchive);
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\Folder"), kFolder);
    EXPECT_EQ(GetFileAttributesW(u"\\"), kFolder);

    struct Case {
        const WCHAR* path;
        DWORD set;
        DWORD read;
    } cases[] = {
        {u"\\Temp\\plain.txt", kReadOnly | kHidden, kReadOnly | kHidden},
        {u"\\Temp\\plain.txt", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
        {u"\\Temp\\plain.txt", kArchive | FILE_ATTRIBUTE_NORMAL, kArchive},
        {u"\\Temp\\plain.txt", kFolder | FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_NORMAL},
        {u"\\Temp\\Folder", kHidden, kFolder | kHidden},
        {u"\\Temp\\Folder", FILE_ATTRIBUTE_NORMAL, kFolder},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(SetFileAttributesW(c.path, c.set));
        EXPECT_EQ(GetFileAttributesW(c.path), c.read) << "after setting " << c.set;
    }
    EXPECT_EQ(ErrorAfter(SetFileAttributesW(u"\\", kHidden)), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(FilesAttributesTest, ReadOnlyEntriesRefuseChangeButNotReading)
{
    ASSERT_TRUE(device_files::Write(u"\\Temp\\locked.txt", "kept", kReadOnly));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\source.txt", "new"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Locked", nullptr));
    ASSERT_TRUE(SetFileAttributesW(u"\\Temp\\Locked", kReadOnly));
    const DWORD denied = ERROR_ACCESS_DENIED;
    EXPECT_EQ(ErrorAfter(DeleteFileW(u"\\Temp\\locked.txt")), denied);
    EXPECT_EQ(OpenError(u"\\Temp\\locked.txt", GENERIC_WRITE, OPEN_EXISTING), denied);
    EXPECT_EQ(OpenError(u"\\Temp\\locked.txt", GENERIC_READ, CREATE_ALWAYS), denied);
    EXPECT_EQ(OpenError(u"\\Temp\\locked.txt", GENERIC_WRITE, TRUNCATE_EXISTING), denied);
    EXPECT_EQ(ErrorAfter(CopyFileW(u"\\Temp\\source.txt", u"\\Temp\\locked.txt", FALSE)), denied);
    EXPECT_EQ(ErrorAfter(RemoveDirectoryW(u"\\Temp\\Locked")), denied);
    EXPECT_EQ(device_files::Read(u"\\Temp\\locked.txt"), "kept");

    EXPECT_TRUE(MoveFileW(u"\\Temp\\locked.txt", u"\\Temp\\moved.txt")) << "a read-only file may be renamed";
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\moved.txt"), kReadOnly | kArchive);
    EXPECT_TRUE(SetFileAttributesW(u"\\Temp\\Locked", FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(RemoveDirectoryW(u"\\Temp\\Locked"));
}

TEST_F(FilesAttributesTest, AttributesTravelWithMovesAndCopiesAndGoWithDeletion)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Tree", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Tree\\Sub", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\Tree\\Sub\\deep.txt", "x", kHidden));
    ASSERT_TRUE(SetFileAttributesW(u"\\Temp\\Tree\\Sub", kHidden));

    ASSERT_TRUE(MoveFileW(u"\\Temp\\Tree", u"\\My Documents\\Moved"));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Moved\\Sub"), kFolder | kHidden);
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Moved\\Sub\\deep.txt"), kHidden | kArchive);

    ASSERT_TRUE(CopyFileW(u"\\My Documents\\Moved\\Sub\\deep.txt", u"\\Temp\\copy.txt", TRUE));
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\copy.txt"), kHidden | kArchive);

    ASSERT_TRUE(DeleteFileW(u"\\Temp\\copy.txt"));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\copy.txt", "again"));
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\copy.txt"), kArchive) << "a deleted file's attributes go with it";

    ASSERT_TRUE(DeleteFileW(u"\\My Documents\\Moved\\Sub\\deep.txt"));
    ASSERT_TRUE(RemoveDirectoryW(u"\\My Documents\\Moved\\Sub"));
    ASSERT_TRUE(CreateDirectoryW(u"\\My Documents\\Moved\\Sub", nullptr));
    EXPECT_EQ(GetFileAttributesW(u"\\My Documents\\Moved\\Sub"), kFolder);
}

TEST_F(FilesAttributesTest, AttributesPersistWithTheImageAndReachOtherProcessesAtOnce)
{
    std::string image = fs::path(device::FileRoot()).parent_path().string();
    ASSERT_TRUE(device_files::Write(u"\\Temp\\kept.txt", "x", kHidden));

    auto otherProcess = platform::files::AttributeStore::Open(image + "/attributes.db");
    ASSERT_TRUE(otherProcess);
    ASSERT_TRUE(SetFileAttributesW(u"\\temp\\KEPT.TXT", kReadOnly));
    EXPECT_EQ(otherProcess->Find("Temp/kept.txt"), kReadOnly) << "another process reads the change at once";
    otherProcess.reset();

    platform::files::Unmount();
    ASSERT_TRUE(platform::files::Mount(image));
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\kept.txt"), kReadOnly);
    EXPECT_EQ(GetFileAttributesW(u"\\Windows\\Start Menu\\Notes.lnk"), kArchive);
}
