#include "resources/resource_parser.h"

#include <cstring>
#include <optional>

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

template <typename T>
std::optional<T> ReadAt(std::span<const BYTE> bytes, size_t at)
{
    if (at > bytes.size() || bytes.size() - at < sizeof(T)) return std::nullopt;
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

// An ordinal (0xFFFF, then the number) or a zero-terminated name; AT moves
// past it. Nothing is read outside HEADER.
std::optional<ResourceId> ReadId(std::span<const BYTE> header, size_t& at)
{
    std::optional<WORD> first = ReadAt<WORD>(header, at);
    if (!first) return std::nullopt;
    if (*first == 0xFFFF) {
        std::optional<WORD> ordinal = ReadAt<WORD>(header, at + 2);
        if (!ordinal) return std::nullopt;
        at += 4;
        return ResourceId{*ordinal};
    }
    std::u16string name;
    for (std::optional<WORD> c = first; c; c = ReadAt<WORD>(header, at)) {
        at += 2;
        if (*c == 0) return ResourceId{name};
        name.push_back(static_cast<char16_t>(*c));
    }
    return std::nullopt;
}

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
