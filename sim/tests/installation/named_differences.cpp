#include "named_differences.h"

#include <crtwide.h>
#include <device/text.h>

namespace {

const NamedDifference kNamedDifferences[] = {
    {nullptr, u"\\Windows\\AppMgr", false, WindowsFileFault::Missing, Leaves::PlaceAdded,
     "the installer makes its folder of setup libraries when it is missing, and keeps it"},
    {nullptr, u"\\Windows\\Start Menu\\Programs", false, WindowsFileFault::Missing, Leaves::PlaceAdded,
     "the removal makes the English programs folder again, empty, from the localised one the installation made"},
    {nullptr, u"\\Windows\\Start Menu\\Settings", false, WindowsFileFault::Missing, Leaves::PlaceAdded,
     "the removal makes the English settings folder again, empty, from the localised one the installation made"},
    {nullptr, u"\\Windows\\Start Menu", true, WindowsFileFault::ReadOnly, Leaves::FaultedEntryGone,
     "an entry of the English menu under a localised name is replaced by the entry renamed to it, or taken for "
     "the localised folder of that name and removed with it: the Start-menu steps clear their way, read-only or not"},
    {"russian", u"\\Windows\\Главное меню", true, WindowsFileFault::ReadOnly, Leaves::FaultedEntryGone,
     "the localised Start menu is the package's: what stands in its place goes as stale at installation"},
    {"hebrew", u"\\Windows\\תפריט התחל", true, WindowsFileFault::ReadOnly, Leaves::FaultedEntryGone,
     "the localised Start menu is the package's: what stands in its place goes as stale at installation"},
};

bool SamePath(const std::u16string& a, const std::u16string& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

bool AtOrBelow(const std::u16string& path, const std::u16string& folder)
{
    return SamePath(path, folder) || (path.size() > folder.size() && path[folder.size()] == u'\\' &&
                                      SamePath(path.substr(0, folder.size()), folder));
}

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// The path a change line names: "removed \Windows\x.lnk = 3 bytes ...", "added \Windows\AppMgr\".
std::u16string ChangedPath(const std::string& change)
{
    std::string path = change.substr(change.find(' ') + 1);
    path = path.substr(0, path.find(" = "));
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return device::Utf16(path);
}

bool Holds(const DeviceSnapshot& snapshot, const std::u16string& path)
{
    std::string key = device::Utf8(path);
    return snapshot.files.count(key) || snapshot.files.count(key + "\\");
}

bool Applies(const NamedDifference& named, const std::string& package, const std::u16string& path,
             WindowsFileFault fault)
{
    if ((named.package && package != named.package) || named.fault != fault) return false;
    return named.atOrBelow ? AtOrBelow(path, named.place) : SamePath(path, named.place);
}

}  // namespace

const NamedDifference* FindNamedDifference(const std::string& package, const std::u16string& path,
                                           WindowsFileFault fault, const std::string& change,
                                           const DeviceSnapshot& fresh)
{
    std::u16string changed = ChangedPath(change);
    for (const NamedDifference& named : kNamedDifferences) {
        if (!Applies(named, package, path, fault)) continue;
        if (named.leaves == Leaves::PlaceAdded && StartsWith(change, "added ") && SamePath(changed, named.place))
            return &named;
        if (named.leaves == Leaves::FaultedEntryGone && StartsWith(change, "removed ") && AtOrBelow(path, changed) &&
            !Holds(fresh, changed))
            return &named;
    }
    return nullptr;
}
