// What the commands of one run share.
#pragma once

#include <filesystem>

#include "message_box_tracker.h"
#include "transcript.h"

struct RunContext {
    Transcript& transcript;
    std::filesystem::path scriptFolder;  // @HOSTFILE arguments are read from here
    MessageBoxTracker messageBoxes;
};
