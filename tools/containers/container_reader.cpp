#include "container_reader.h"

#include "container_format.h"

namespace mui_container {
namespace {

uint32_t LittleEndianAt(std::string_view bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t byte = 0; byte < 4; ++byte) value |= uint32_t{static_cast<unsigned char>(bytes[at + byte])} << (8 * byte);
    return value;
}

std::string StoredName(std::string_view header)
{
    std::string_view field = header.substr(0, kNameSize);
    size_t end = field.find('\0');
    if (end == std::string_view::npos) return std::string(field) + "\\0";  // over-long: kNameSize bytes, marked
    return std::string(field.substr(0, end));
}

}  // namespace

Contents ReadContainer(std::string_view bytes)
{
    Contents contents;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t left = bytes.size() - at;
        if (left < kHeaderSize) {
            contents.damage = Damage{at, std::to_string(left) + " trailing bytes, too few for an entry header"};
            return contents;
        }
        std::string header(bytes.substr(at, kHeaderSize));
        Scramble(header);
        std::string name = StoredName(header);
        uint32_t length = LittleEndianAt(header, kNameSize + 4);
        if (std::optional<std::string> problem = NameProblem(name)) {
            contents.damage = Damage{at, *problem + " (\"" + name + "\")"};
            return contents;
        }
        if (length > left - kHeaderSize) {
            contents.damage = Damage{at, "entry \"" + name + "\" declares " + std::to_string(length) +
                                             " data bytes, " + std::to_string(left - kHeaderSize) + " follow"};
            return contents;
        }
        std::string data(bytes.substr(at + kHeaderSize, length));
        Scramble(data);
        contents.entries.push_back({at, name, LittleEndianAt(header, kNameSize), std::move(data)});
        at += kHeaderSize + length;
    }
    return contents;
}

}  // namespace mui_container
