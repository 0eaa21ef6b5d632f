#include "folder_tree.h"

#include <vector>

#include <device/text.h>

#include "folder_listing.h"

namespace {

std::u16string Child(const std::u16string& folder, const std::u16string& name)
{
    return folder == u"\\" ? folder + name : folder + u"\\" + name;
}

DWORD AddEntries(const std::u16string& folder, const std::string& indent, std::string& tree)
{
    std::vector<ListedEntry> entries;
    if (DWORD status = ListDeviceEntries(Child(folder, u"*"), entries); status != ERROR_SUCCESS) return status;
    for (const ListedEntry& entry : entries) {
        std::string name = indent + device::Utf8(entry.name);
        if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            tree += name + "  " + std::to_string(entry.size) + " bytes\n";
            continue;
        }
        tree += name + "\\\n";
        if (DWORD status = AddEntries(Child(folder, entry.name), indent + "  ", tree); status != ERROR_SUCCESS)
            return status;
    }
    return ERROR_SUCCESS;
}

}  // namespace

DWORD FormatFolderTree(const std::u16string& folder, std::string& tree)
{
    tree.clear();
    DWORD status = AddEntries(folder, "", tree);
    if (status == ERROR_SUCCESS && tree.empty()) tree = "(empty)";
    return status;
}
