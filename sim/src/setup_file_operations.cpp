// The interface files' operations: unpacking the containers of an install
// directory and deleting the package language's language resource files.
#include "device_path.h"
#include "interface_files.h"
#include "interface_languages.h"
#include "setup_operation.h"

namespace {

Parsed<std::string> Extract(std::span<const ScriptWord> args)
{
    Parsed<std::u16string> directory = ParseDevicePath(args[0]);
    if (!directory) return Parsed<std::string>::Failure(directory.error());
    return BooleanResultText(ExtractInterfaceFiles(directory->c_str()));
}

// The package language is read from the product key first, as the removal
// does before it deletes the files.
Parsed<std::string> Delete(std::span<const ScriptWord>)
{
    ReadInterfaceLanguages();
    return BooleanResultText(DeleteInterfaceFiles());
}

const SetupOperation kOperations[] = {
    {"ExtractInterfaceFiles", "INSTALLDIR", 1, 1, &Extract},
    {"DeleteInterfaceFiles", "", 0, 0, &Delete},
};

}  // namespace

std::span<const SetupOperation> SetupFileOperations() { return kOperations; }
