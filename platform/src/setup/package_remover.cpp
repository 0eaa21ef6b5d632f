// Removing an installed application: its setup hooks are asked first, and
// may cancel, or have the removal resume after a restart they asked for.
#include <device/boot.h>
#include <device/installer.h>
#include <device/text.h>
#include <windows.h>

#include <algorithm>

#include "setup/installer_window.h"
#include "setup/package_placement.h"
#include "setup/setup_hooks.h"

namespace platform::setup {
namespace {

using Result = device::RemovalOutcome::Result;

// Once the hooks agree, the undoing is marked as begun: a power loss from
// then on leaves a removal that goes on where it stopped, without a second
// first pass of the hooks. The record goes last.
device::RemovalOutcome RunRemoval(const InstallationRecord& record, const SetupHooks* hooks)
{
    InstallerWindow window(record.application, u"Removing");
    if (!HooksAgreedToRemoval(record.application)) {
        if (hooks->uninstallInit(window.Handle(), record.installDirectory.c_str()) != kContinue) {
            if (!device::RestartPending()) return {Result::Cancelled, ""};
            MarkRemovalResumes(record.application, true);
            return {Result::AwaitingRestart, ""};
        }
        MarkHooksAgreedToRemoval(record.application);
    }
    UndoPlacement(record);
    DeleteFileW(SetupLibraryPath(record.application).c_str());
    DeleteRecord(record.application);
    if (hooks) hooks->uninstallExit(window.Handle());
    return {Result::Removed, ""};
}

}  // namespace

void UndoInterruptedInstallation(const std::u16string& application)
{
    if (IsInstalled(application) || !HasRecord(application)) return;
    if (std::optional<InstallationRecord> record = ReadRecord(application)) UndoPlacement(*record);
    DeleteFileW(SetupLibraryPath(application).c_str());
    DeleteRecord(application);
}

}  // namespace platform::setup

namespace device {

RemovalOutcome RemovePackage(const std::u16string& application)
{
    using namespace platform::setup;
    if (!IsInstalled(application)) {
        if (!HasRecord(application)) return {Result::NotInstalled, ""};
        UndoInterruptedInstallation(application);
        return {Result::Removed, "what an installation stopped part-way had placed is undone"};
    }
    std::optional<InstallationRecord> record = ReadRecord(application);
    if (!record) return {Result::Refused, "the installation record of " + Utf8(application) + " cannot be read"};
    std::string problem;
    std::unique_ptr<SetupHooks> hooks = SetupHooks::Load(SetupLibraryPath(application), problem);
    // The library may have gone with a removal that stopped after the hooks' part.
    if (!hooks && !HooksAgreedToRemoval(application)) return {Result::Refused, problem};
    MarkRemovalResumes(application, false);
    RemovalOutcome outcome = RunRemoval(*record, hooks.get());
    hooks.reset();
    return outcome;
}

std::vector<std::u16string> InstalledApplications() { return platform::setup::ListInstalled(); }

bool IsInstalled(const std::u16string& application)
{
    std::vector<std::u16string> installed = InstalledApplications();
    return std::find(installed.begin(), installed.end(), application) != installed.end();
}

}  // namespace device
