// A program built for the device, run as a process of its own on the host.
// The device serves the program's requests on a socket until the program
// ends; one that stays silent too long is taken for hung and ended.
#pragma once

#include <chrono>
#include <string>

#include "process/request_server.h"

namespace platform::process {

struct ProgramEnd {
    enum class How {
        Ended,       // code: its exit code
        Died,        // code: the host signal that ended it
        Hung,        // silent past the limit; ended by the device
        Broken,      // asked something that makes no sense; ended by the device
        NotStarted,  // code: the host's errno
    };
    How how;
    int code = 0;
};

ProgramEnd RunHostProgram(const std::string& hostFile, const ProgramStart& start);

// Real time, not device time: how long a program may go without a word
// before it counts as hung.
std::chrono::milliseconds SilenceLimit();
void SetSilenceLimit(std::chrono::milliseconds limit);
void ResetSilenceLimit();

}  // namespace platform::process
