// Stand-in until the file system offers its own path resolution.
#include "library/device_file.h"

#include <filesystem>
#include <vector>

#include <crtwide.h>
#include <device/device.h>
#include <device/text.h>

namespace fs = std::filesystem;

namespace platform::library {

namespace {

std::vector<std::u16string> Components(const std::u16string& path)
{
    std::vector<std::u16string> parts(1);
    for (char16_t c : path) {
        if (c == u'\\') parts.emplace_back();
        else parts.back().push_back(c);
    }
    std::erase_if(parts, [](const std::u16string& part) { return part.empty(); });
    return parts;
}

bool SameName(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (towupper(a[i]) != towupper(b[i])) return false;
    return true;
}

std::optional<fs::path> Child(const fs::path& folder, const std::u16string& name)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (SameName(device::Utf16(it->path().filename().string()), name)) return it->path();
    return std::nullopt;
}

std::optional<fs::path> Walk(const std::vector<std::u16string>& parts, size_t count)
{
    if (!device::IsOpen()) return std::nullopt;
    fs::path at = device::FileRoot();
    for (size_t i = 0; i < count; ++i) {
        if (parts[i] == u"." || parts[i] == u"..") return std::nullopt;
        std::optional<fs::path> next = Child(at, parts[i]);
        if (!next) return std::nullopt;
        at = *next;
    }
    return at;
}

}  // namespace

std::optional<std::string> HostFileOf(const std::u16string& devicePath)
{
    std::vector<std::u16string> parts = Components(devicePath);
    std::optional<fs::path> found = Walk(parts, parts.size());
    std::error_code error;
    if (parts.empty() || !found || !fs::is_regular_file(*found, error)) return std::nullopt;
    return found->string();
}

std::optional<std::string> HostPlaceOf(const std::u16string& devicePath)
{
    std::vector<std::u16string> parts = Components(devicePath);
    if (parts.empty()) return std::nullopt;
    std::optional<fs::path> existing = HostFileOf(devicePath);
    if (existing) return existing->string();
    std::optional<fs::path> folder = Walk(parts, parts.size() - 1);
    std::error_code error;
    if (!folder || !fs::is_directory(*folder, error) || parts.back() == u"..") return std::nullopt;
    return (*folder / device::Utf8(parts.back())).string();
}

}  // namespace platform::library
