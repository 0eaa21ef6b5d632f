#include "product_libraries.h"

// The build names the files of the libraries and programs it makes.
#ifndef FINKEYS_LIBRARY
#define FINKEYS_LIBRARY ""
#endif
#ifndef QVPEN_LIBRARY
#define QVPEN_LIBRARY ""
#endif
#ifndef BOOTSIP_PROGRAM
#define BOOTSIP_PROGRAM ""
#endif

namespace {

const ProductLibrary kProducts[] = {
    {"finkeys", FINKEYS_LIBRARY, u"\\Windows\\finkeys.dll"},
    {"qvpen", QVPEN_LIBRARY, u"\\Windows\\qvpen.dll"},
    {"bootsip", BOOTSIP_PROGRAM, u"\\Windows\\bootsip.exe", ProductKind::Program},
};

const ProductLibrary* Find(std::string_view name, ProductKind kind)
{
    for (const ProductLibrary& product : kProducts)
        if (product.kind == kind && product.name == name) return &product;
    return nullptr;
}

std::string Names(ProductKind kind)
{
    std::string names;
    for (const ProductLibrary& product : kProducts)
        if (product.kind == kind) names += (names.empty() ? "" : ", ") + std::string(product.name);
    return names;
}

}  // namespace

const ProductLibrary* FindProductLibrary(std::string_view name) { return Find(name, ProductKind::Library); }

const ProductLibrary* FindProductProgram(std::string_view name) { return Find(name, ProductKind::Program); }

std::string ProductLibraryNames() { return Names(ProductKind::Library); }

std::string ProductProgramNames() { return Names(ProductKind::Program); }
