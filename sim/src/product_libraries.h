// The product's own libraries by name, each with the file the build made and
// its place on the device. A library not built yet has no host file.
#pragma once

#include <string>
#include <string_view>

struct ProductLibrary {
    std::string_view name;        // "finkeys"
    std::string_view hostFile;    // empty until the build makes it
    std::u16string_view devicePath;
};

const ProductLibrary* FindProductLibrary(std::string_view name);

// "finkeys, qvpen", for messages.
std::string ProductLibraryNames();
