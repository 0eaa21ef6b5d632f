// The product's own libraries and programs by name, each with the file the
// build made and its place on the device. One not built yet has no host file.
#pragma once

#include <string>
#include <string_view>

enum class ProductKind { Library, Program };

struct ProductLibrary {
    std::string_view name;        // "finkeys"
    std::string_view hostFile;    // empty until the build makes it
    std::u16string_view devicePath;
    ProductKind kind = ProductKind::Library;
};

const ProductLibrary* FindProductLibrary(std::string_view name);
const ProductLibrary* FindProductProgram(std::string_view name);

// "finkeys, qvpen", for messages.
std::string ProductLibraryNames();
std::string ProductProgramNames();
