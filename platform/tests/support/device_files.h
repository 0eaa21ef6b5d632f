// Setting up and reading back files on the simulated device, through the
// platform's own functions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace device_files {

inline bool Write(const std::u16string& path, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    return CloseHandle(file) && ok && written == content.size();
}

inline std::optional<std::string> Read(const std::u16string& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    BOOL ok = ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != content.size()) return std::nullopt;
    return content;
}

// The names a search for PATTERN finds, in the order it finds them.
inline std::vector<std::u16string> List(const std::u16string& pattern)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.emplace_back(data.cFileName);
    while (FindNextFileW(search, &data));
    FindClose(search);
    return names;
}

}  // namespace device_files
