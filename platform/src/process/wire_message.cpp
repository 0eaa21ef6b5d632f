#include "process/wire_message.h"

#include <cstring>

namespace platform::process {

WireWriter& WireWriter::Word(uint32_t value) { return Bytes(&value, sizeof value); }

WireWriter& WireWriter::Bytes(const void* data, size_t size)
{
    const uint8_t* first = static_cast<const uint8_t*>(data);
    message_.bytes.insert(message_.bytes.end(), first, first + size);
    return *this;
}

WireWriter& WireWriter::Text(const std::string& text)
{
    Word(static_cast<uint32_t>(text.size()));
    return Bytes(text.data(), text.size());
}

WireWriter& WireWriter::WideText(const std::u16string& text)
{
    Word(static_cast<uint32_t>(text.size()));
    return Bytes(text.data(), text.size() * sizeof(char16_t));
}

bool WireReader::Take(size_t size, const uint8_t*& at)
{
    if (size > bytes_.size() - offset_) return false;
    at = bytes_.data() + offset_;
    offset_ += size;
    return true;
}

bool WireReader::Word(uint32_t& value) { return Bytes(&value, sizeof value); }

bool WireReader::Bytes(void* data, size_t size)
{
    const uint8_t* at = nullptr;
    if (!Take(size, at)) return false;
    if (size) std::memcpy(data, at, size);
    return true;
}

bool WireReader::Text(std::string& text)
{
    uint32_t length = 0;
    const uint8_t* at = nullptr;
    if (!Word(length) || !Take(length, at)) return false;
    text.assign(reinterpret_cast<const char*>(at), length);
    return true;
}

bool WireReader::WideText(std::u16string& text)
{
    uint32_t length = 0;
    const uint8_t* at = nullptr;
    if (!Word(length) || length > (bytes_.size() - offset_) / sizeof(char16_t)) return false;
    if (!Take(length * sizeof(char16_t), at)) return false;
    text.resize(length);
    if (length) std::memcpy(text.data(), at, length * sizeof(char16_t));
    return true;
}

}  // namespace platform::process
