// One end of the socket between a device and a program running on it. A
// message is its kind, its length and its bytes; a length beyond the limit
// is a broken peer, never an allocation.
#pragma once

#include <chrono>

#include "process/wire_message.h"

namespace platform::process {

enum class Received {
    Message,
    Closed,    // the other end has gone
    TimedOut,  // nothing came within the time given
    Broken,    // a read failed or the framing made no sense
};

class Channel {
public:
    static constexpr uint32_t kLargestMessage = 1 << 20;

    explicit Channel(int socket) : socket_(socket) {}
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    bool Send(const WireMessage& message);
    // Waits at most WITHIN for the first byte and for each further one.
    Received Receive(WireMessage& message, std::chrono::milliseconds within);

private:
    bool WaitReadable(std::chrono::milliseconds within, Received& failure);
    Received ReadExactly(void* data, size_t size, std::chrono::milliseconds within);

    int socket_;
};

}  // namespace platform::process
