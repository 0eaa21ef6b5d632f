#include "resources/resource_parser.h"

#include <optional>

#include "resources/resource_fields.h"

namespace platform::resources {

namespace {

// Data size and header size, the type and name as ordinals, then the fixed
// fields: the smallest header there is, and the marker entry's exact size.
constexpr size_t kSmallestHeader = 32;
// Data version, memory flags, language, version, characteristics.
constexpr size_t kFixedFieldsSize = 16;
constexpr size_t kLanguageOffset = 6;
// Resource handles carry a record's index in sixteen bits.
constexpr size_t kMostRecords = 0xFFFE;

size_t AlignUp4(size_t n) { return (n + 3) & ~size_t{3}; }

struct Entry {
    ResourceRecord record;
    size_t next = 0;
    std::string error;
};

Entry ParseEntry(std::span<const BYTE> bytes, size_t at)
{
    std::optional<DWORD> dataSize = ReadAt<DWORD>(bytes, at);
    std::optional<DWORD> headerSize = ReadAt<DWORD>(bytes, at + 4);
    if (!dataSize || !headerSize) return {{}, 0, "the entry's sizes are cut short"};
    if (*headerSize < kSmallestHeader || *headerSize % 4 != 0)
        return {{}, 0, "header size " + std::to_string(*headerSize) + " is not a whole header"};
    if (*headerSize > bytes.size() - at)
        return {{}, 0, "header size " + std::to_string(*headerSize) + " runs past the end"};
    std::span<const BYTE> header = bytes.subspan(at, *headerSize);
    size_t field = 8;
    std::optional<ResourceId> type = ReadId(header, field);
    std::optional<ResourceId> name = type ? ReadId(header, field) : std::nullopt;
    if (!type || !name) return {{}, 0, "type or name runs past the header"};
    field = AlignUp4(field);
    if (field + kFixedFieldsSize != *headerSize)
        return {{}, 0, "header size " + std::to_string(*headerSize) + " does not match its fields"};
    if (*dataSize > bytes.size() - at - *headerSize)
        return {{}, 0, "data size " + std::to_string(*dataSize) + " runs past the end"};
    WORD language = *ReadAt<WORD>(header, field + kLanguageOffset);
    ResourceRecord record{*type, *name, language, bytes.subspan(at + *headerSize, *dataSize)};
    return {record, AlignUp4(at + *headerSize + *dataSize), {}};
}

bool IsMarker(const ResourceRecord& record)
{
    ResourceId none{WORD{0}};
    return record.type.Matches(none) && record.name.Matches(none) && record.data.empty();
}

ParsedResources Failure(size_t at, const std::string& what)
{
    return {{}, "not a sound resource file: entry at byte " + std::to_string(at) + ": " + what};
}

}  // namespace

ParsedResources ParseResources(std::span<const BYTE> bytes)
{
    Entry marker = ParseEntry(bytes, 0);
    if (!marker.error.empty()) return Failure(0, marker.error);
    if (!IsMarker(marker.record)) return Failure(0, "the format's empty first entry is missing");
    ParsedResources parsed;
    for (size_t at = marker.next; at < bytes.size();) {
        Entry entry = ParseEntry(bytes, at);
        if (!entry.error.empty()) return Failure(at, entry.error);
        if (!IsMarker(entry.record)) parsed.records.push_back(entry.record);
        if (parsed.records.size() > kMostRecords) return Failure(at, "more resources than a module can hold");
        at = entry.next;
    }
    return parsed;
}

}  // namespace platform::resources
