// The device's side of the socket: what it answers a program that runs on it
// from another process.
#pragma once

#include <optional>
#include <string>

#include "process/wire_message.h"

namespace platform::process {

// What a program learns when it first asks.
struct ProgramStart {
    std::string imageFolder;   // the device image it joins
    std::u16string programPath;
    std::u16string commandLine;
};

// Carries REQUEST out on this device; none for a request that makes no sense.
std::optional<WireMessage> Answer(const WireMessage& request, const ProgramStart& start);

}  // namespace platform::process
