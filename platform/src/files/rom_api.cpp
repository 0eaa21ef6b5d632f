// Writing and taking away ROM files: the factory's and a test's, never a
// program's.
#include <device/device_files.h>

#include "files/file_system.h"

namespace platform::files {
namespace {

template <class Change>
bool ChangeRom(const WCHAR* path, Change change)
{
    Volume* volume = CurrentVolume();
    std::optional<std::vector<std::u16string>> components = SplitDevicePath(path, Leaf::Name);
    return volume && components && change(volume->Rom(), *components);
}

}  // namespace

bool WriteRomFile(const WCHAR* path, std::string_view content)
{
    return ChangeRom(path, [&](RomFiles& rom, const std::vector<std::u16string>& components) {
        return rom.Write(components, content);
    });
}

}  // namespace platform::files

namespace device {

bool RemoveRomFile(const std::u16string& path)
{
    return platform::files::ChangeRom(path.c_str(), [](platform::files::RomFiles& rom,
                                                       const std::vector<std::u16string>& components) {
        return rom.Erase(components);
    });
}

}  // namespace device
