// Removing an installed application: its setup hooks are asked first, and
// may cancel, or have the removal resume after a restart they asked for.
#include <device/boot.h>
#include <device/installer.h>
#include <device/text.h>
#include <windows.h>

#include "setup/installer_window.h"
#include "setup/package_placement.h"
#include "setup/setup_hooks.h"

namespace platform::setup {
namespace {

using Result = device::RemovalOutcome::Result;

device::RemovalOutcome RunRemoval(const InstallationRecord& record, const SetupHooks& hooks)
{
    InstallerWindow window(record.application, u"Removing");
    if (hooks.uninstallInit(window.Handle(), record.installDirectory.c_str()) != kContinue) {
        if (!device::RestartPending()) return {Result::Cancelled, ""};
        MarkRemovalResumes(record.application, true);
        return {Result::AwaitingRestart, ""};
    }
    UndoPlacement(record);
    DeleteRecord(record.application);
    hooks.uninstallExit(window.Handle());
    return {Result::Removed, ""};
}

}  // namespace
}  // namespace platform::setup

namespace device {

RemovalOutcome RemovePackage(const std::u16string& application)
{
    using namespace platform::setup;
    if (!IsInstalled(application)) return {Result::NotInstalled, ""};
    std::optional<InstallationRecord> record = ReadRecord(application);
    if (!record) return {Result::Refused, "the installation record of " + Utf8(application) + " cannot be read"};
    std::string problem;
    std::unique_ptr<SetupHooks> hooks = SetupHooks::Load(SetupLibraryPath(application), problem);
    if (!hooks) return {Result::Refused, problem};
    MarkRemovalResumes(application, false);
    RemovalOutcome outcome = RunRemoval(*record, *hooks);
    hooks.reset();
    if (outcome.result == Result::Removed) DeleteFileW(SetupLibraryPath(application).c_str());
    return outcome;
}

std::vector<std::u16string> InstalledApplications() { return platform::setup::ListInstalled(); }

}  // namespace device
