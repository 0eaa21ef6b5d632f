// The interface-file container ("mui_?.bin"): entries one after another,
// each a 60-byte header (52-byte 8-bit name with its zero terminator, 32-bit
// little-endian attributes, 32-bit little-endian data length L) followed by
// L data bytes. Header and data are each a block stored with every complete
// 32-bit little-endian word exclusive-or'ed with the block's length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mui_container {

constexpr size_t kHeaderSize = 60;
constexpr size_t kNameSize = 52;
// What an entry is given unless said otherwise.
constexpr uint32_t kNormalAttributes = 0x80;

// Scrambles or unscrambles BLOCK in place (the operation undoes itself).
void Scramble(std::string& block);

// The stored header: NAME's bytes zero-padded to 52 (a name of 52 bytes is
// stored without a terminator, as a damaged container would hold it).
std::string EntryHeader(std::string_view name, uint32_t attributes, uint32_t length);

// A whole stored entry: header and data.
std::string EntryBytes(std::string_view name, std::string_view data, uint32_t attributes = kNormalAttributes);

// Why NAME cannot name an interface file unpacked into one folder, or
// nothing: empty, longer than 51 bytes, or holding a zero byte, a path
// separator, a drive colon or "..".
std::optional<std::string> NameProblem(std::string_view name);

}  // namespace mui_container
