#include "files/device_path.h"

#include <device/text.h>
#include <winbase.h>

#include "files/host_error.h"

namespace platform::files {
namespace {

bool IsForbiddenUnit(char16_t unit)
{
    return unit < 0x20 || unit == u'/' || unit == u'\\' || unit == u':' || unit == u'"' || unit == u'<' ||
           unit == u'>' || unit == u'|';
}

bool IsWildcard(char16_t unit) { return unit == u'*' || unit == u'?'; }

bool IsOnlyDots(const std::u16string& name) { return name.find_first_not_of(u'.') == std::u16string::npos; }

bool IsValidComponent(const std::u16string& name, bool pattern)
{
    if (!pattern && name.empty()) return false;
    if (!name.empty() && IsOnlyDots(name)) return false;
    for (char16_t unit : name)
        if (IsForbiddenUnit(unit) || (!pattern && IsWildcard(unit))) return false;
    return true;
}

// The path's length, looking no further than one unit past the limit.
size_t BoundedLength(const WCHAR* path)
{
    size_t length = 0;
    while (length <= MAX_PATH && path[length]) ++length;
    return length;
}

std::vector<std::u16string> Components(std::u16string_view path, Leaf leaf)
{
    std::vector<std::u16string> components;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) components.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    if (leaf == Leaf::Pattern && (path.empty() || path.back() == u'\\')) components.emplace_back();
    return components;
}

}  // namespace

std::optional<std::vector<std::u16string>> SplitDevicePath(const WCHAR* path, Leaf leaf)
{
    if (!path) return Refuse(ERROR_INVALID_PARAMETER);
    size_t length = BoundedLength(path);
    if (length == 0) return Refuse(ERROR_PATH_NOT_FOUND);
    if (length >= MAX_PATH) return Refuse(ERROR_FILENAME_EXCED_RANGE);
    std::vector<std::u16string> components = Components(std::u16string_view(path, length), leaf);
    for (size_t i = 0; i < components.size(); ++i) {
        bool pattern = leaf == Leaf::Pattern && i + 1 == components.size();
        if (!IsValidComponent(components[i], pattern)) return Refuse(ERROR_INVALID_NAME);
    }
    return components;
}

bool IsDeviceName(const std::u16string& name) { return IsValidComponent(name, false); }

std::optional<std::u16string> DeviceNameOfHost(const std::string& hostName)
{
    std::u16string name = device::Utf16(hostName);
    if (device::Utf8(name) != hostName || !IsDeviceName(name)) return std::nullopt;
    return name;
}

}  // namespace platform::files
