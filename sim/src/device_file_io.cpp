#include "device_file_io.h"

namespace {

DWORD CreateParentFolders(const std::u16string& path)
{
    for (size_t slash = path.find(u'\\', 1); slash != std::u16string::npos; slash = path.find(u'\\', slash + 1)) {
        if (!CreateDirectoryW(path.substr(0, slash).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return GetLastError();
    }
    return ERROR_SUCCESS;
}

}  // namespace

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
    if (DWORD status = CreateParentFolders(path); status != ERROR_SUCCESS) return status;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD status = ok ? ERROR_SUCCESS : GetLastError();
    if (ok && written != bytes.size()) status = ERROR_WRITE_FAULT;
    CloseHandle(file);
    return status;
}
