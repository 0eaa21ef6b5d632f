// The factory state of a fresh device, parsed from its data file into plain
// records and then written onto the device.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

#include "device/setup_text.h"

namespace platform::device_setup {

struct FactoryFile {
    enum class Kind { Folder, File, Rom };
    std::u16string path;
    Kind kind;
    std::string content;  // UTF-8; empty for folders
};

struct FactoryData {
    std::vector<RegistryKey> keys;
    std::vector<FactoryFile> files;
    std::string error;  // the first line that could not be read, with its number
};

FactoryData ParseFactoryData(std::string_view text);

// Writes the parsed state onto the attached registry and file tree; answers
// what could not be written.
std::vector<std::string> ApplyFactoryData(const FactoryData& data);

}  // namespace platform::device_setup
