// A package as the installer reads it: a host folder holding "manifest.txt"
// and the files it names. The manifest is read whole and checked before
// anything is placed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/setup_text.h"

namespace platform::setup {

struct PackageFile {
    std::string source;         // a plain file name of the package folder
    std::u16string destination;  // a device path, %InstallDir% resolved
    bool selfRegister;
};

struct PackageManifest {
    std::u16string application;
    std::u16string installDirectory;
    std::string setupLibrary;  // a file of the package folder
    std::vector<PackageFile> files;
    std::vector<device_setup::RegistryKey> keys;
};

struct ManifestReading {
    std::optional<PackageManifest> manifest;
    std::string problem;  // "manifest.txt line 12: ...", or the file at fault
};

ManifestReading ReadManifest(const std::string& hostFolder);

}  // namespace platform::setup
