// Placeholder until the file system lands.
#include <windows.h>

namespace {
BOOL Unsupported()
{
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}
}  // namespace

HANDLE WINAPI CreateFileW(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)
{
    Unsupported();
    return INVALID_HANDLE_VALUE;
}
BOOL WINAPI ReadFile(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED) { return Unsupported(); }
BOOL WINAPI WriteFile(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED) { return Unsupported(); }
DWORD WINAPI GetFileSize(HANDLE, LPDWORD)
{
    Unsupported();
    return INVALID_FILE_SIZE;
}
DWORD WINAPI SetFilePointer(HANDLE, LONG, PLONG, DWORD)
{
    Unsupported();
    return INVALID_SET_FILE_POINTER;
}
BOOL WINAPI SetEndOfFile(HANDLE) { return Unsupported(); }
BOOL WINAPI DeleteFileW(LPCWSTR) { return Unsupported(); }
BOOL WINAPI MoveFileW(LPCWSTR, LPCWSTR) { return Unsupported(); }
BOOL WINAPI CopyFileW(LPCWSTR, LPCWSTR, BOOL) { return Unsupported(); }
BOOL WINAPI CreateDirectoryW(LPCWSTR, LPSECURITY_ATTRIBUTES) { return Unsupported(); }
BOOL WINAPI RemoveDirectoryW(LPCWSTR) { return Unsupported(); }
DWORD WINAPI GetFileAttributesW(LPCWSTR)
{
    Unsupported();
    return INVALID_FILE_ATTRIBUTES;
}
BOOL WINAPI SetFileAttributesW(LPCWSTR, DWORD) { return Unsupported(); }
HANDLE WINAPI FindFirstFileW(LPCWSTR, LPWIN32_FIND_DATAW)
{
    Unsupported();
    return INVALID_HANDLE_VALUE;
}
BOOL WINAPI FindNextFileW(HANDLE, LPWIN32_FIND_DATAW) { return Unsupported(); }
BOOL WINAPI FindClose(HANDLE) { return Unsupported(); }
FILE* _wfopen(const WCHAR*, const WCHAR*)
{
    Unsupported();
    return nullptr;
}
