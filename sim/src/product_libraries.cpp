#include "product_libraries.h"

// The build names the files of the libraries it makes.
#ifndef FINKEYS_LIBRARY
#define FINKEYS_LIBRARY ""
#endif
#ifndef QVPEN_LIBRARY
#define QVPEN_LIBRARY ""
#endif

namespace {

const ProductLibrary kLibraries[] = {
    {"finkeys", FINKEYS_LIBRARY, u"\\Windows\\finkeys.dll"},
    {"qvpen", QVPEN_LIBRARY, u"\\Windows\\qvpen.dll"},
};

}  // namespace

const ProductLibrary* FindProductLibrary(std::string_view name)
{
    for (const ProductLibrary& library : kLibraries)
        if (library.name == name) return &library;
    return nullptr;
}

std::string ProductLibraryNames()
{
    std::string names;
    for (const ProductLibrary& library : kLibraries) names += (names.empty() ? "" : ", ") + std::string(library.name);
    return names;
}
