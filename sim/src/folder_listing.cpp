#include "folder_listing.h"

#include <algorithm>

#include <device/text.h>

#include "display_text.h"

namespace {

struct AttributeName {
    DWORD bit;
    const char* name;
};

const AttributeName kAttributes[] = {
    {FILE_ATTRIBUTE_DIRECTORY, "folder"},  {FILE_ATTRIBUTE_READONLY, "readonly"},
    {FILE_ATTRIBUTE_HIDDEN, "hidden"},     {FILE_ATTRIBUTE_SYSTEM, "system"},
    {FILE_ATTRIBUTE_ARCHIVE, "archive"},   {FILE_ATTRIBUTE_INROM, "inrom"},
    {FILE_ATTRIBUTE_ROMMODULE, "rommodule"}, {FILE_ATTRIBUTE_TEMPORARY, "temporary"},
    {FILE_ATTRIBUTE_NORMAL, "normal"},
};

}  // namespace

std::string AttributeWords(DWORD attributes)
{
    std::string words;
    for (const AttributeName& attribute : kAttributes)
        if (attributes & attribute.bit) words += (words.empty() ? "" : " ") + std::string(attribute.name);
    return words.empty() ? "-" : words;
}

namespace {

// The name up to its terminator, never past the end of the field.
std::u16string NameOf(const WIN32_FIND_DATAW& data)
{
    const WCHAR* end = std::find(data.cFileName, data.cFileName + MAX_PATH, u'\0');
    return std::u16string(data.cFileName, end);
}

}  // namespace

DWORD ListDeviceEntries(const std::u16string& pattern, std::vector<ListedEntry>& entries)
{
    WIN32_FIND_DATAW data{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
    }
    DWORD status = ERROR_SUCCESS;
    do {
        uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entries.push_back({NameOf(data), data.dwFileAttributes, size});
    } while (FindNextFileW(search, &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) status = GetLastError();
    FindClose(search);
    return status;
}

std::string FormatListing(const std::vector<ListedEntry>& entries)
{
    if (entries.empty()) return "(empty)";
    std::vector<std::string> names;
    size_t width = 0;
    for (const ListedEntry& entry : entries) {
        names.push_back(device::Utf8(entry.name));
        width = std::max(width, CharacterCount(names.back()));
    }
    std::string out;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ListedEntry& entry = entries[i];
        out += names[i] + std::string(width - CharacterCount(names[i]) + 2, ' ') + AttributeWords(entry.attributes);
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) out += "  " + std::to_string(entry.size) + " bytes";
        out += '\n';
    }
    return out;
}
