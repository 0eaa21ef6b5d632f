#include <cstdio>
#include <functional>

#include <crtwide.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

using FilesIoTest = FreshDevice;

namespace {

const WCHAR kFile[] = u"\\Temp\\data.bin";

DWORD ErrorAfter(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

HANDLE Open(DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING, const WCHAR* path = kFile)
{
    return CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

TEST_F(FilesIoTest, CreationDispositionsTreatExistingAndMissingFilesAsThePlatformDoes)
{
    const DWORD none = ERROR_SUCCESS, exists = ERROR_ALREADY_EXISTS;
    struct Case {
        DWORD disposition;
        bool present;
        DWORD error;  // the last error, on success as on failure
        const char* contentAfter;
    } cases[] = {
        {CREATE_NEW, false, none, ""},
        {CREATE_NEW, true, ERROR_FILE_EXISTS, "old"},
        {CREATE_ALWAYS, false, none, ""},
        {CREATE_ALWAYS, true, exists, ""},
        {OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND, nullptr},
        {OPEN_EXISTING, true, none, "old"},
        {OPEN_ALWAYS, false, none, ""},
        {OPEN_ALWAYS, true, exists, "old"},
        {TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND, nullptr},
        {TRUNCATE_EXISTING, true, none, ""},
        {0, true, ERROR_INVALID_PARAMETER, "old"},
        {6, false, ERROR_INVALID_PARAMETER, nullptr},
    };
    for (const Case& c : cases) {
        DeleteFileW(kFile);
        ASSERT_TRUE(!c.present || device_files::Write(kFile, "old"));
        SetLastError(0xDEAD);
        HANDLE file = Open(GENERIC_WRITE, 0, c.disposition);
        EXPECT_EQ(GetLastError(), c.error) << "disposition " << c.disposition << (c.present ? " on a file" : "");
        EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.error == none || c.error == exists);
        CloseHandle(file);
        EXPECT_EQ(device_files::Read(kFile), c.contentAfter ? std::optional<std::string>(c.contentAfter) : std::nullopt)
            << "disposition " << c.disposition;
    }
}

TEST_F(FilesIoTest, ReadWriteSeekAndSizeFollowTheFilePointer)
{
    HANDLE file = Open(GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(file, "abcdef", 6, &count, nullptr));
    EXPECT_EQ(count, 6u);
    char buffer[16] = {};
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr)) << "reading at the end succeeds";
    EXPECT_EQ(count, 0u);

    EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_END), 2u);
    ASSERT_TRUE(ReadFile(file, buffer, 3, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "cde");
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 5u);
    EXPECT_EQ(SetFilePointer(file, -6, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));

    EXPECT_EQ(SetFilePointer(file, 8, nullptr, FILE_BEGIN), 8u);
    ASSERT_TRUE(WriteFile(file, "z", 1, &count, nullptr));
    DWORD high = 0xFFFF;
    EXPECT_EQ(GetFileSize(file, &high), 9u);
    EXPECT_EQ(high, 0u);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), std::string("abcdef\0\0z", 9)) << "a gap reads as zeros";

    LONG distanceHigh = 1;
    EXPECT_EQ(SetFilePointer(file, 0, &distanceHigh, FILE_BEGIN), 0u) << "the high part moves past 4 GB";
    EXPECT_EQ(distanceHigh, 1);
    EXPECT_EQ(SetFilePointer(file, 3, nullptr, FILE_BEGIN), 3u);
    ASSERT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(GetFileSize(file, nullptr), 3u);
    CloseHandle(file);

    HANDLE reader = Open(GENERIC_READ, FILE_SHARE_READ);
    EXPECT_EQ(ErrorAfter(WriteFile(reader, "x", 1, &count, nullptr)), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ErrorAfter(SetEndOfFile(reader)), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(reader);
    HANDLE writer = Open(GENERIC_WRITE, 0);
    EXPECT_EQ(ErrorAfter(ReadFile(writer, buffer, 1, &count, nullptr)), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(writer);
}

TEST_F(FilesIoTest, ShareModesDecideWhetherASecondOpenSucceeds)
{
    ASSERT_TRUE(device_files::Write(kFile, "data"));
    const DWORD R = GENERIC_READ, W = GENERIC_WRITE, SR = FILE_SHARE_READ, SW = FILE_SHARE_WRITE;
    struct Case {
        DWORD firstAccess, firstShare, secondAccess, secondShare;
        bool allowed;
    } cases[] = {
        {R, SR, R, SR, true},      {R, 0, R, SR | SW, false},      {R, SR, W, SR | SW, false},
        {R, SR | SW, W, SR, true}, {R | W, SR | SW, R, SR, false}, {W, SR, R, SR, false},
        {W, SR, R, SR | SW, true}, {W, SW, W, SW, true},           {R | W, 0, 0, 0, true},
        {0, 0, R | W, 0, true},
    };
    for (const Case& c : cases) {
        HANDLE first = Open(c.firstAccess, c.firstShare);
        ASSERT_NE(first, INVALID_HANDLE_VALUE);
        HANDLE second = Open(c.secondAccess, c.secondShare);
        EXPECT_EQ(second != INVALID_HANDLE_VALUE, c.allowed) << "first " << c.firstAccess << "/" << c.firstShare
                                                             << ", second " << c.secondAccess << "/" << c.secondShare;
        if (!c.allowed) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        }
        CloseHandle(second);
        CloseHandle(first);
    }
}

TEST_F(FilesIoTest, OpenFilesCannotBeDeletedMovedOrOverwritten)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Folder", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\Folder\\open.txt", "open"));
    HANDLE file = Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, u"\\temp\\folder\\OPEN.txt");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const DWORD violation = ERROR_SHARING_VIOLATION;
    EXPECT_EQ(ErrorAfter(DeleteFileW(u"\\Temp\\Folder\\open.txt")), violation);
    EXPECT_EQ(ErrorAfter(MoveFileW(u"\\Temp\\Folder\\open.txt", u"\\Temp\\moved.txt")), violation);
    EXPECT_EQ(ErrorAfter(MoveFileW(u"\\Temp\\Folder", u"\\Temp\\Moved")), violation) << "nor the folder holding it";
    EXPECT_TRUE(CopyFileW(u"\\Temp\\Folder\\open.txt", u"\\Temp\\copy.txt", TRUE)) << "a reader shares reading";
    EXPECT_EQ(ErrorAfter(CopyFileW(u"\\Temp\\copy.txt", u"\\Temp\\Folder\\open.txt", FALSE)), violation);
    CloseHandle(file);
    EXPECT_TRUE(MoveFileW(u"\\Temp\\Folder", u"\\Temp\\Moved"));
    EXPECT_TRUE(DeleteFileW(u"\\Temp\\Moved\\open.txt"));
}

TEST_F(FilesIoTest, CopyMoveDeleteAndFoldersRefuseWhatThePlatformRefuses)
{
    ASSERT_TRUE(device_files::Write(u"\\Temp\\a.txt", "A"));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\b.txt", "B"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Dir", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\Dir\\inner.txt", "I"));
    struct Case {
        const char* what;
        std::function<BOOL()> call;
        DWORD error;
    } cases[] = {
        {"copy onto an existing file when told to fail",
         [] { return CopyFileW(u"\\Temp\\a.txt", u"\\Temp\\B.TXT", TRUE); }, ERROR_FILE_EXISTS},
        {"copy a file onto itself", [] { return CopyFileW(u"\\Temp\\a.txt", u"\\temp\\A.txt", FALSE); },
         ERROR_SHARING_VIOLATION},
        {"copy a folder", [] { return CopyFileW(u"\\Temp\\Dir", u"\\Temp\\Dir2", FALSE); }, ERROR_ACCESS_DENIED},
        {"move onto an existing name", [] { return MoveFileW(u"\\Temp\\a.txt", u"\\Temp\\b.txt"); },
         ERROR_ALREADY_EXISTS},
        {"move onto a folder", [] { return MoveFileW(u"\\Temp\\a.txt", u"\\Temp\\dir"); }, ERROR_ALREADY_EXISTS},
        {"move a folder into itself", [] { return MoveFileW(u"\\Temp\\Dir", u"\\Temp\\Dir\\Sub"); },
         ERROR_ACCESS_DENIED},
        {"move the root", [] { return MoveFileW(u"\\", u"\\Temp\\Root"); }, ERROR_ACCESS_DENIED},
        {"delete a folder", [] { return DeleteFileW(u"\\Temp\\Dir"); }, ERROR_ACCESS_DENIED},
        {"create an existing folder", [] { return CreateDirectoryW(u"\\temp\\DIR", nullptr); }, ERROR_ALREADY_EXISTS},
        {"create a folder over a file", [] { return CreateDirectoryW(u"\\Temp\\a.txt", nullptr); },
         ERROR_ALREADY_EXISTS},
        {"remove a folder with contents", [] { return RemoveDirectoryW(u"\\Temp\\Dir"); }, ERROR_DIR_NOT_EMPTY},
        {"remove a file as a folder", [] { return RemoveDirectoryW(u"\\Temp\\a.txt"); }, ERROR_DIRECTORY},
        {"remove the root", [] { return RemoveDirectoryW(u"\\"); }, ERROR_ACCESS_DENIED},
        {"open a folder as a file",
         [] { return BOOL(Open(GENERIC_READ, 0, OPEN_EXISTING, u"\\Temp\\Dir") != INVALID_HANDLE_VALUE); },
         ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorAfter(c.call()), c.error) << c.what;
    EXPECT_EQ(device_files::Read(u"\\Temp\\a.txt"), "A") << "refused calls change nothing";
    EXPECT_EQ(device_files::Read(u"\\Temp\\b.txt"), "B");

    EXPECT_TRUE(CopyFileW(u"\\Temp\\a.txt", u"\\Temp\\B.TXT", FALSE));
    EXPECT_EQ(device_files::List(u"\\Temp\\b.*"), std::vector<std::u16string>{u"b.txt"}) << "the target keeps its name";
    EXPECT_EQ(device_files::Read(u"\\Temp\\b.txt"), "A");
    EXPECT_TRUE(MoveFileW(u"\\Temp\\a.txt", u"\\Temp\\A.TXT")) << "a change of case is a rename";
    EXPECT_EQ(device_files::List(u"\\Temp\\a.*"), std::vector<std::u16string>{u"A.TXT"});
    EXPECT_TRUE(MoveFileW(u"\\Temp\\Dir", u"\\My Documents\\Dir"));
    EXPECT_EQ(device_files::Read(u"\\My Documents\\Dir\\inner.txt"), "I");
}

TEST_F(FilesIoTest, RuntimeStreamsOpenDeviceFilesInBinary)
{
    FILE* out = _wfopen(u"\\temp\\Stream.txt", u"wt");
    ASSERT_NE(out, nullptr);
    fputs("a\nb", out);
    fclose(out);
    FILE* append = _wfopen(u"\\Temp\\stream.TXT", u"a");
    ASSERT_NE(append, nullptr);
    fputs("c", append);
    fclose(append);
    EXPECT_EQ(device_files::Read(u"\\Temp\\Stream.txt"), "a\nbc");
    EXPECT_EQ(GetFileAttributesW(u"\\Temp\\Stream.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    ASSERT_TRUE(SetFileAttributesW(u"\\Temp\\Stream.txt", FILE_ATTRIBUTE_READONLY));
    struct Case {
        const WCHAR* path;
        const WCHAR* mode;
        DWORD error;
    } cases[] = {
        {u"\\Temp\\Stream.txt", u"w", ERROR_ACCESS_DENIED},
        {u"\\Temp\\Stream.txt", u"r+", ERROR_ACCESS_DENIED},
        {u"\\Temp\\missing.txt", u"r", ERROR_FILE_NOT_FOUND},
        {u"\\Temp\\Stream.txt", u"x", ERROR_INVALID_PARAMETER},
        {u"\\Temp\\Stream.txt", nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(_wfopen(c.path, c.mode), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}
