#include "files/rom_files.h"

#include <fstream>

#include <device/text.h>

#include "files/device_path.h"
#include "files/name_match.h"

namespace fs = std::filesystem;

namespace platform::files {
namespace {

std::string FoldedKey(const std::string& key) { return device::Utf8(FoldName(device::Utf16(key))); }

std::string FolderOf(const std::string& key)
{
    size_t slash = key.rfind('/');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

fs::path HostPath(const fs::path& root, const std::vector<std::u16string>& components)
{
    fs::path host = root;
    for (const std::u16string& component : components) host /= device::Utf8(component);
    return host;
}

}  // namespace

RomFiles::RomFiles(fs::path root) : root_(std::move(root))
{
    std::error_code error;
    for (fs::recursive_directory_iterator it(root_, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && !it->is_symlink(error)) Catalogue(it->path());
}

void RomFiles::Catalogue(const fs::path& host)
{
    std::optional<std::u16string> name = DeviceNameOfHost(host.filename().string());
    if (!name) return;
    std::string folded = FoldedKey(host.lexically_relative(root_).generic_string());
    std::error_code error;
    uint64_t size = fs::file_size(host, error);
    byFoldedKey_[folded] = File{*name, host, "rom:" + folded, error ? 0 : size};
}

const RomFiles::File* RomFiles::Find(const std::string& key) const
{
    auto found = byFoldedKey_.find(FoldedKey(key));
    return found == byFoldedKey_.end() ? nullptr : &found->second;
}

std::vector<HostEntry> RomFiles::In(const std::string& folderKey) const
{
    std::string folder = FoldedKey(folderKey);
    std::vector<HostEntry> entries;
    for (const auto& [folded, file] : byFoldedKey_)
        if (FolderOf(folded) == folder) entries.push_back({file.name, device::Utf8(file.name), EntryKind::Rom, file.size});
    return entries;
}

bool RomFiles::AnyAtOrBeneath(const std::string& folderKey) const
{
    std::string folder = FoldedKey(folderKey);
    for (const auto& entry : byFoldedKey_)
        if (IsAtOrBeneath(FolderOf(entry.first), folder)) return true;
    return false;
}

bool RomFiles::Write(const std::vector<std::u16string>& components, std::string_view content)
{
    fs::path host = HostPath(root_, components);
    std::error_code error;
    fs::create_directories(host.parent_path(), error);
    std::ofstream file(host, std::ios::binary | std::ios::trunc);
    if (error || !file.write(content.data(), static_cast<std::streamsize>(content.size())) || !file.flush())
        return false;
    Catalogue(host);
    return true;
}

bool RomFiles::Erase(const std::vector<std::u16string>& components)
{
    std::string folded = FoldedKey(HostPath(fs::path(), components).generic_string());
    auto found = byFoldedKey_.find(folded);
    std::error_code error;
    if (found == byFoldedKey_.end() || !fs::remove(found->second.host, error)) return false;
    byFoldedKey_.erase(found);
    return true;
}

}  // namespace platform::files
