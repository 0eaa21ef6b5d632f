// A program's line to the device that started it, which lives in another
// process. The device hands the socket over in the environment; a process
// started any other way has no link, and is the device itself.
#pragma once

#include <memory>
#include <optional>

#include "process/channel.h"

namespace platform::process {

// The environment variable that names the program's end of the socket.
extern const char kDeviceSocketVariable[];

class DeviceLink {
public:
    // This process's link; null when it is no program run by a device.
    static DeviceLink* Current();
    // Takes up the socket the environment names; false when it names none.
    static bool Connect();
    static void Disconnect();

    explicit DeviceLink(int socket) : channel_(socket) {}

    // The device's answer to REQUEST; none once the device has gone.
    std::optional<WireMessage> Ask(const WireMessage& request);

private:
    Channel channel_;
};

}  // namespace platform::process
