// Placing a package's folders, files and registry entries on the device and
// self-registering its libraries, with the platform's own calls: every
// failure is counted by kind and everything placed is recorded, so that it
// can be undone exactly.
#pragma once

#include <string>

#include <device/installer.h>

#include "setup/installation_record.h"
#include "setup/package_manifest.h"

namespace platform::setup {

struct Placement {
    device::InstallFailures failures;
    InstallationRecord record;
};

Placement PlacePackage(const PackageManifest& manifest, const std::string& hostFolder);

// Undoes RECORD, last placed first: unregisters the libraries, deletes the
// files (one already gone is no matter), puts back or deletes the values,
// and deletes the keys and folders it created when they are empty.
void UndoPlacement(const InstallationRecord& record);

}  // namespace platform::setup
