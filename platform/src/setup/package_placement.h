// Placing a package's folders, files and registry entries on the device and
// self-registering its libraries, with the platform's own calls: every
// failure is counted by kind, and what will be placed is planned first, so
// that it can be undone exactly, even after a power loss part-way.
#pragma once

#include <string>

#include <device/installer.h>

#include "setup/installation_record.h"
#include "setup/package_manifest.h"

namespace platform::setup {

// What placing MANIFEST will create or change, taken before anything is
// placed: the folders and keys not there yet, the files whose names are
// free (and those of them to self-register), and each value with what it
// holds now. Undoing it undoes any part of the placement that was done.
InstallationRecord PlanPlacement(const PackageManifest& manifest);

// Places MANIFEST's folders, files and registry entries and self-registers
// its libraries; the failures by kind.
device::InstallFailures PlacePackage(const PackageManifest& manifest, const std::string& hostFolder);

// Undoes RECORD, last placed first: unregisters the libraries, deletes the
// files (one already gone, or never placed, is no matter), puts back or
// deletes the values, and deletes the keys and folders when they are empty.
void UndoPlacement(const InstallationRecord& record);

}  // namespace platform::setup
