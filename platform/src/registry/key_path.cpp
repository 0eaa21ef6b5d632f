#include "registry/key_path.h"

namespace platform::registry {

std::vector<std::u16string> SplitKeyPath(LPCWSTR path)
{
    std::vector<std::u16string> names;
    if (!path) return names;
    std::u16string current;
    for (const WCHAR* unit = path; *unit; ++unit) {
        if (*unit != u'\\') {
            current.push_back(*unit);
        } else if (!current.empty()) {
            names.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) names.push_back(std::move(current));
    return names;
}

std::u16string JoinKeyPath(std::u16string base, const std::vector<std::u16string>& names)
{
    for (const std::u16string& name : names) base += u"\\" + name;
    return base;
}

}  // namespace platform::registry
