#include "container_format.h"

namespace mui_container {

void Scramble(std::string& block)
{
    uint32_t key = static_cast<uint32_t>(block.size());
    for (size_t at = 0; at + 4 <= block.size(); at += 4)
        for (size_t byte = 0; byte < 4; ++byte) block[at + byte] ^= static_cast<char>(key >> (8 * byte));
}

namespace {

void PutLittleEndian(std::string& bytes, size_t at, uint32_t value)
{
    for (size_t byte = 0; byte < 4; ++byte) bytes[at + byte] = static_cast<char>(value >> (8 * byte));
}

}  // namespace

std::string EntryHeader(std::string_view name, uint32_t attributes, uint32_t length)
{
    std::string header(kHeaderSize, '\0');
    header.replace(0, std::min(name.size(), kNameSize), name.substr(0, kNameSize));
    PutLittleEndian(header, kNameSize, attributes);
    PutLittleEndian(header, kNameSize + 4, length);
    Scramble(header);
    return header;
}

std::string EntryBytes(std::string_view name, std::string_view data, uint32_t attributes)
{
    std::string stored(data);
    Scramble(stored);
    return EntryHeader(name, attributes, static_cast<uint32_t>(data.size())) + stored;
}

std::optional<std::string> NameProblem(std::string_view name)
{
    if (name.empty()) return "the name is empty";
    if (name.size() >= kNameSize) return "the name is longer than 51 bytes";
    if (name.find('\0') != std::string_view::npos) return "the name holds a zero byte";
    if (name.find_first_of("\\/") != std::string_view::npos) return "the name holds a path separator";
    if (name.find(':') != std::string_view::npos) return "the name holds a drive";
    if (name == "." || name.find("..") != std::string_view::npos) return "the name holds \"..\"";
    return std::nullopt;
}

}  // namespace mui_container
