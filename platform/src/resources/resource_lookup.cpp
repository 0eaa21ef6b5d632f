#include "resources/resource_lookup.h"

#include <winerror.h>
#include <winnt.h>

namespace platform::resources {

namespace {

const WORD kInterfaceLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);

int LanguageRank(WORD language)
{
    if (PRIMARYLANGID(language) == LANG_NEUTRAL) return 0;
    if (language == kInterfaceLanguage) return 1;
    return 2;
}

}  // namespace

Lookup FindRecord(const std::vector<ResourceRecord>& records, const ResourceId& type, const ResourceId& name)
{
    Lookup found{nullptr, ERROR_RESOURCE_TYPE_NOT_FOUND};
    for (const ResourceRecord& record : records) {
        if (!record.type.Matches(type)) continue;
        if (!found.record) found.error = ERROR_RESOURCE_NAME_NOT_FOUND;
        if (!record.name.Matches(name)) continue;
        if (!found.record || LanguageRank(record.language) < LanguageRank(found.record->language))
            found = {&record, ERROR_SUCCESS};
    }
    return found;
}

}  // namespace platform::resources
