// Packing a folder of interface files into one container.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mui_container {

struct Packed {
    std::string bytes;
    std::optional<std::string> error;  // names the file at fault
};

// Every file of FOLDER, in the order of their names' bytes, as entries with
// normal attributes. A subfolder, a name that cannot be stored or a file of
// 4 GB or more is an error.
Packed PackFolder(const std::filesystem::path& folder);

}  // namespace mui_container
