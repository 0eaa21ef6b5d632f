#include "process/device_link.h"

#include <cstdlib>
#include <string>

namespace platform::process {

const char kDeviceSocketVariable[] = "LEXOVIA_DEVICE_SOCKET";

namespace {

std::unique_ptr<DeviceLink> link;

// The device answers every request or closes the socket by ending, so the
// program may wait for as long as it takes.
constexpr std::chrono::milliseconds kUntilAnswered{-1};

}  // namespace

DeviceLink* DeviceLink::Current() { return link.get(); }

bool DeviceLink::Connect()
{
    const char* named = std::getenv(kDeviceSocketVariable);
    if (!named || !*named) return false;
    char* end = nullptr;
    long socket = std::strtol(named, &end, 10);
    if (*end || socket < 0 || socket > 65535) return false;
    link = std::make_unique<DeviceLink>(static_cast<int>(socket));
    return true;
}

void DeviceLink::Disconnect() { link.reset(); }

std::optional<WireMessage> DeviceLink::Ask(const WireMessage& request)
{
    WireMessage answer;
    if (!channel_.Send(request) || channel_.Receive(answer, kUntilAnswered) != Received::Message) return std::nullopt;
    return answer;
}

}  // namespace platform::process
