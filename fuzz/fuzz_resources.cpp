// Resource data, which a language resource file on the device brings from
// anywhere: the resource-file parser, then each dialog template, bitmap and
// string table it holds. The whole input also goes straight to the three
// readers of resource data, whose own checks must hold without the file's.
//
// Input: a binary resource file (.res).
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include <windows.h>

#include "resources/dib_decoder.h"
#include "resources/resource_parser.h"
#include "resources/string_table.h"
#include "user/dialog_template.h"

namespace {

using platform::resources::DecodeDib;
using platform::resources::ResourceId;
using platform::resources::StringFromBlock;
using platform::user::ParseDialogTemplate;

void ReadStrings(std::span<const BYTE> block)
{
    for (UINT id = 0; id < 16; ++id) StringFromBlock(block, id);
}

void ReadAsEveryKind(std::span<const BYTE> data)
{
    ParseDialogTemplate(data);
    DecodeDib(data);
    ReadStrings(data);
}

bool IsOrdinal(const ResourceId& id, LPCWSTR type)
{
    const WORD* ordinal = std::get_if<WORD>(&id.value);
    return ordinal && *ordinal == static_cast<WORD>(reinterpret_cast<uintptr_t>(type));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::span<const BYTE> bytes(data, size);
    for (const platform::resources::ResourceRecord& record : platform::resources::ParseResources(bytes).records) {
        if (IsOrdinal(record.type, RT_DIALOG)) ParseDialogTemplate(record.data);
        if (IsOrdinal(record.type, RT_BITMAP)) DecodeDib(record.data);
        if (IsOrdinal(record.type, RT_STRING)) ReadStrings(record.data);
    }
    ReadAsEveryKind(bytes);
    return 0;
}
