// Attaching the file API to the device image: the device's file tree lives
// in IMAGE/files, its attributes in IMAGE/attributes.db.
#pragma once

#include <string>

#include "files/volume.h"
#include "kernel/api_guard.h"

namespace platform::files {

bool Mount(const std::string& imageFolder);
// Closes every file and search still open, then lets the image go.
void Unmount();

// The mounted tree; nullptr, with ERROR_NOT_READY, when no device is open.
Volume* CurrentVolume();

// Runs the body of a file API function on the mounted tree: FAILURE when no
// device is open or the host's library throws.
template <class Result, class Body>
Result OnVolume(Result failure, Body body)
{
    return kernel::Guarded(failure, [&]() -> Result {
        Volume* volume = CurrentVolume();
        return volume ? body(*volume) : failure;
    });
}

}  // namespace platform::files
