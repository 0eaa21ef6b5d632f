#include "touched_windows_paths.h"

#include <crtwide.h>

namespace {

const char16_t kWindowsFolder[] = u"\\Windows\\";
constexpr size_t kWindowsFolderLength = sizeof kWindowsFolder / sizeof kWindowsFolder[0] - 1;

bool BelowWindows(const std::u16string& path)
{
    return path.size() > kWindowsFolderLength && _wcsnicmp(path.c_str(), kWindowsFolder, kWindowsFolderLength) == 0;
}

bool IsFolderCall(const std::string& function)
{
    return function == "CreateDirectoryW" || function == "RemoveDirectoryW";
}

// A pattern names the folder it searches.
void Add(TouchedPaths& paths, std::u16string path, EntryKind kind)
{
    if (path.find_first_of(u"*?") != std::u16string::npos) {
        path.resize(path.rfind(u'\\'));
        kind = EntryKind::Folder;
    }
    if (!BelowWindows(path)) return;
    auto [entry, added] = paths.emplace(path, kind);
    if (!added && kind == EntryKind::Folder) entry->second = kind;
}

}  // namespace

bool NoCase::operator()(const std::u16string& a, const std::u16string& b) const
{
    return _wcsicmp(a.c_str(), b.c_str()) < 0;
}

TouchedPaths TouchedWindowsPaths(const std::vector<device::FileCall>& calls)
{
    TouchedPaths paths;
    for (const device::FileCall& call : calls) {
        EntryKind kind = IsFolderCall(call.function) ? EntryKind::Folder : EntryKind::File;
        Add(paths, call.path, kind);
        if (!call.target.empty()) Add(paths, call.target, kind);
    }
    return paths;
}
