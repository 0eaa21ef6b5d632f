// Installing a package: its setup hooks are asked before and after the
// package is placed, and may cancel it or have it rolled back.
#include <device/device_files.h>
#include <device/installer.h>
#include <device/text.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "setup/installer_window.h"
#include "setup/package_placement.h"
#include "setup/setup_hooks.h"

namespace fs = std::filesystem;

namespace platform::setup {
namespace {

using Result = device::InstallOutcome::Result;

// The setup library's copy in \Windows\AppMgr, and the one it replaced
// (an installed version's), which an installation that does not happen
// puts back.
class SetupLibraryCopy {
public:
    explicit SetupLibraryCopy(const std::u16string& application) : path_(SetupLibraryPath(application)) {}

    bool Place(const fs::path& source)
    {
        std::ifstream input(source, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
        std::string earlier;
        if (device::ReadDeviceFile(path_, earlier) == ERROR_SUCCESS) replaced_ = earlier;
        return input && device::WriteDeviceFile(path_, bytes) == ERROR_SUCCESS;
    }

    void Undo()
    {
        if (replaced_)
            device::WriteDeviceFile(path_, *replaced_);
        else
            DeleteFileW(path_.c_str());
    }

    const std::u16string& Path() const { return path_; }

private:
    std::u16string path_;
    std::optional<std::string> replaced_;
};

device::InstallOutcome Outcome(Result result, const std::u16string& application, std::string message = "",
                               device::InstallFailures failures = {})
{
    return {result, application, std::move(message), failures};
}

// The record goes first, so that a power loss at any later point leaves
// what to undo; an installation over an installed version keeps that
// version's record until the hooks let the new one go on.
device::InstallOutcome RunInstallation(const PackageManifest& manifest, const std::string& hostFolder,
                                       const SetupHooks& hooks, HWND parent, bool previouslyInstalled)
{
    const std::u16string& directory = manifest.installDirectory;
    if (hooks.installInit(parent, TRUE, previouslyInstalled, directory.c_str()) != kContinue)
        return Outcome(Result::Cancelled, manifest.application);
    InstallationRecord plan = PlanPlacement(manifest);
    if (previouslyInstalled && !WriteRecord(plan)) {
        DeleteRecord(manifest.application);
        return Outcome(Result::Refused, manifest.application, "the installed list cannot be written");
    }
    device::InstallFailures failed = PlacePackage(manifest, hostFolder);
    if (!MarkInstalled(manifest.application)) {
        UndoPlacement(plan);
        DeleteRecord(manifest.application);
        return Outcome(Result::Refused, manifest.application, "the installed list cannot be written");
    }
    if (hooks.installExit(parent, directory.c_str(), failed.directories, failed.files, failed.registryKeys,
                          failed.registryValues, failed.shortcuts) == kCancelOrUninstall) {
        UndoPlacement(plan);
        DeleteRecord(manifest.application);
        return Outcome(Result::RolledBack, manifest.application, "", failed);
    }
    return Outcome(Result::Installed, manifest.application, "", failed);
}

}  // namespace

}  // namespace platform::setup

namespace device {

InstallOutcome InstallPackage(const std::string& hostFolder)
{
    using namespace platform::setup;
    ManifestReading reading = ReadManifest(hostFolder);
    if (!reading.manifest) return Outcome(Result::Refused, u"", reading.problem);
    const PackageManifest& manifest = *reading.manifest;
    bool previouslyInstalled = IsInstalled(manifest.application);
    if (!previouslyInstalled) {
        UndoInterruptedInstallation(manifest.application);
        if (!WriteRecord(PlanPlacement(manifest))) {
            DeleteRecord(manifest.application);
            return Outcome(Result::Refused, manifest.application, "the installed list cannot be written");
        }
    }
    SetupLibraryCopy copy(manifest.application);
    std::string problem;
    std::unique_ptr<SetupHooks> hooks;
    if (!copy.Place(fs::path(hostFolder) / manifest.setupLibrary))
        problem = "the setup library cannot be copied to " + Utf8(copy.Path());
    else
        hooks = SetupHooks::Load(copy.Path(), problem);
    if (!hooks) {
        copy.Undo();
        if (!previouslyInstalled) DeleteRecord(manifest.application);
        return Outcome(Result::Refused, manifest.application, problem);
    }
    InstallOutcome outcome = [&] {
        InstallerWindow window(manifest.application, u"Installing");
        return RunInstallation(manifest, hostFolder, *hooks, window.Handle(), previouslyInstalled);
    }();
    hooks.reset();
    if (outcome.result != Result::Installed) copy.Undo();
    if (outcome.result == Result::Cancelled && !previouslyInstalled) DeleteRecord(manifest.application);
    return outcome;
}

}  // namespace device
