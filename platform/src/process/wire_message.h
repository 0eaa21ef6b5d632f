// What passes between a program and the device it runs on: a request kind
// and its fields, packed in order. A reader never reads past what it got.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::process {

enum class Request : uint32_t {
    Hello = 1,       // -> image folder, program path, command line
    TickCount,       // -> ticks
    Sleep,           // milliseconds ->
    GetCurrentIm,    // -> result, last error, CLSID
    SetCurrentIm,    // CLSID -> result, last error
    SignalStarted,   // launch number ->
    KernelIoControl, // control code -> result, last error
};

struct WireMessage {
    uint32_t kind = 0;
    std::vector<uint8_t> bytes;
};

class WireWriter {
public:
    explicit WireWriter(uint32_t kind) { message_.kind = kind; }
    explicit WireWriter(Request kind) : WireWriter(static_cast<uint32_t>(kind)) {}

    WireWriter& Word(uint32_t value);
    WireWriter& Bytes(const void* data, size_t size);
    WireWriter& Text(const std::string& text);
    WireWriter& WideText(const std::u16string& text);

    WireMessage Take() { return std::move(message_); }

private:
    WireMessage message_;
};

// Every read fails once the message is used up or a length does not fit.
class WireReader {
public:
    explicit WireReader(const WireMessage& message) : bytes_(message.bytes) {}

    bool Word(uint32_t& value);
    bool Bytes(void* data, size_t size);
    bool Text(std::string& text);
    bool WideText(std::u16string& text);

private:
    bool Take(size_t size, const uint8_t*& at);

    const std::vector<uint8_t>& bytes_;
    size_t offset_ = 0;
};

}  // namespace platform::process
