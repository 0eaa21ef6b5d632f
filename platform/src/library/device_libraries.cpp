#include <device/libraries.h>

#include <filesystem>

#include "files/file_system.h"
#include "library/device_file.h"

namespace fs = std::filesystem;

namespace device {

// Copied beside and renamed into place: a library the device has loaded
// keeps running from the file it was loaded from.
bool PlaceLibrary(const std::string& hostPath, const std::u16string& devicePath)
{
    std::optional<std::string> place = platform::library::HostPlaceOf(devicePath);
    if (!place) return false;
    fs::path staging = *place + ".placing";
    std::error_code error;
    if (!fs::copy_file(hostPath, staging, fs::copy_options::overwrite_existing, error)) return false;
    fs::rename(staging, *place, error);
    if (!error) {
        // The folder changed under the file tree's feet: its names index follows.
        if (platform::files::Volume* volume = platform::files::CurrentVolume()) volume->Tree().NoteAdded(*place);
        return true;
    }
    fs::remove(staging, error);
    return false;
}

}  // namespace device
