#include <device/device_files.h>

#include <windows.h>

namespace device {
namespace {

// The folders above PATH, from the root down.
DWORD CreateFoldersAbove(const std::u16string& path)
{
    for (size_t slash = path.find(u'\\', 1); slash != std::u16string::npos; slash = path.find(u'\\', slash + 1)) {
        if (!CreateDirectoryW(path.substr(0, slash).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return GetLastError();
    }
    return ERROR_SUCCESS;
}

}  // namespace

DWORD CreateDeviceFolders(const std::u16string& path)
{
    if (DWORD status = CreateFoldersAbove(path); status != ERROR_SUCCESS) return status;
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return GetLastError();
    return ERROR_SUCCESS;
}

DWORD ReadDeviceFile(const std::u16string& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    bytes.clear();
    char chunk[4096];
    DWORD read = 0;
    DWORD status = ERROR_SUCCESS;
    while (true) {
        if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) {
            status = GetLastError();
            break;
        }
        if (read == 0) break;
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return status;
}

DWORD WriteDeviceFile(const std::u16string& path, std::string_view bytes)
{
    if (DWORD status = CreateFoldersAbove(path); status != ERROR_SUCCESS) return status;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD status = ok ? ERROR_SUCCESS : GetLastError();
    if (ok && written != bytes.size()) status = ERROR_WRITE_FAULT;
    CloseHandle(file);
    return status;
}

}  // namespace device
