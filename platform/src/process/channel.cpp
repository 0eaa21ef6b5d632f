#include "process/channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace platform::process {

Channel::~Channel() { close(socket_); }

bool Channel::Send(const WireMessage& message)
{
    WireMessage frame = WireWriter(0u)
                            .Word(message.kind)
                            .Word(static_cast<uint32_t>(message.bytes.size()))
                            .Bytes(message.bytes.data(), message.bytes.size())
                            .Take();
    const uint8_t* data = frame.bytes.data();
    size_t left = frame.bytes.size();
    while (left > 0) {
        ssize_t sent = send(socket_, data, left, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        data += sent;
        left -= static_cast<size_t>(sent);
    }
    return true;
}

bool Channel::WaitReadable(std::chrono::milliseconds within, Received& failure)
{
    pollfd watched = {socket_, POLLIN, 0};
    for (;;) {
        int ready = poll(&watched, 1, static_cast<int>(within.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno == EINTR) continue;
        failure = ready == 0 ? Received::TimedOut : Received::Broken;
        return false;
    }
}

Received Channel::ReadExactly(void* data, size_t size, std::chrono::milliseconds within)
{
    uint8_t* at = static_cast<uint8_t*>(data);
    while (size > 0) {
        Received failure = Received::Broken;
        if (!WaitReadable(within, failure)) return failure;
        ssize_t got = recv(socket_, at, size, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got == 0) return Received::Closed;
        if (got < 0) return Received::Broken;
        at += got;
        size -= static_cast<size_t>(got);
    }
    return Received::Message;
}

Received Channel::Receive(WireMessage& message, std::chrono::milliseconds within)
{
    uint32_t header[2] = {};
    Received got = ReadExactly(header, sizeof header, within);
    if (got != Received::Message) return got;
    if (header[1] > kLargestMessage) return Received::Broken;
    message.kind = header[0];
    message.bytes.resize(header[1]);
    got = ReadExactly(message.bytes.data(), message.bytes.size(), within);
    // A peer gone halfway through a message left it broken, not closed.
    return got == Received::Closed ? Received::Broken : got;
}

}  // namespace platform::process
