// The platform's answer about its national-language table, read from the
// head of the file in place now.
#include <string>

#include <windows.h>

#include "kernel/api_guard.h"
#include "nls/nls_table_header.h"

namespace {

const WCHAR kTablePath[] = u"\\Windows\\wince.nls";

// Up to kNlsHeadSize bytes from the start of the table; false with the
// file's error when it cannot be read.
bool ReadTableHead(std::string& head)
{
    HANDLE file = CreateFileW(kTablePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    head.assign(platform::nls::kNlsHeadSize, '\0');
    DWORD read = 0;
    BOOL ok = ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
    DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) {
        SetLastError(error);
        return false;
    }
    head.resize(read);
    return true;
}

}  // namespace

BOOL WINAPI IsNLSTableSupported(void)
{
    return platform::kernel::Guarded(FALSE, []() -> BOOL {
        std::string head;
        if (!ReadTableHead(head)) return FALSE;
        std::optional<unsigned> version = platform::nls::NlsTableVersion(head);
        if (!version) {
            SetLastError(ERROR_BAD_FORMAT);
            return FALSE;
        }
        if (!platform::nls::IsSupportedNlsVersion(*version)) {
            SetLastError(ERROR_NOT_SUPPORTED);
            return FALSE;
        }
        return TRUE;
    });
}
