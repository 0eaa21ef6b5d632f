#include <device/device.h>

#include <optional>
#include <filesystem>
#include <system_error>

#include <device/boot.h>
#include <device/faults.h>
#include <device/file_calls.h>
#include <device/gdi_calls.h>
#include <device/registry_calls.h>

#include "comctl/image_list_table.h"
#include "device/factory_data.h"
#include "device/image_layout.h"
#include "device/join_image.h"
#include "device/temporary_folder.h"
#include "files/file_system.h"
#include "gdi/gdi_object_table.h"
#include "gdi/window_surfaces.h"
#include "kernel/handle_table.h"
#include "kernel/message_box.h"
#include "kernel/virtual_clock.h"
#include "library/module_lifecycle.h"
#include "power/power_supply.h"
#include "process/device_programs.h"
#include "process/host_program.h"
#include "registry/injected_failures.h"
#include "registry/registry_store.h"
#include "setup/boot_record.h"
#include "shell/input_services.h"
#include "shell/shell.h"
#include "user/idle_delivery.h"
#include "user/user_state.h"

extern const char kFreshDeviceData[];

namespace fs = std::filesystem;

namespace {

using platform::device_setup::kRegistryFile;

struct OpenDevice {
    bool open = false;
    std::string imageFolder;
    bool temporary = false;  // a fresh device's folder goes with it
};

OpenDevice current;

void StartClock()
{
    platform::kernel::ResetClock();
    platform::kernel::SetClockAdvanceHandler(platform::user::RunTimersUntil);
}

void ResetKernel()
{
    StartClock();
    platform::kernel::ResetMessageBoxes();
    platform::user::Reset();
    device::TakeFaults();
}

std::string RegistryFile(const std::string& imageFolder) { return (fs::path(imageFolder) / kRegistryFile).string(); }

// What a restart takes: everything the device holds in memory but the
// registry and the files.
void StopRunning()
{
    platform::shell::StopShell();
    platform::shell::CloseInputServices();
    // Libraries unload first: their DllMain and destructors still see the
    // device, windows included.
    platform::library::UnloadAllModules();
    platform::comctl::ImageLists().Clear();
    platform::gdi::GdiObjects().Clear();
    platform::gdi::ForgetSurfaces();
    device::ClearBlitLog();  // the windows and contexts it names are gone
    platform::user::Reset();
    platform::kernel::Handles().CloseAll();
    platform::process::ForgetPrograms();
}

bool Attach(const std::string& imageFolder, const std::string& registryPath, bool temporary)
{
    if (std::optional<std::string> linked = platform::device_setup::LinkedImageEntry(imageFolder)) {
        device::ReportFault("the image's " + *linked + " is a symbolic link, which would lead outside it: " +
                            imageFolder);
        return false;
    }
    if (!platform::registry::Attach(registryPath)) return false;
    if (!platform::files::Mount(imageFolder)) {
        platform::registry::Detach();
        return false;
    }
    current = {true, imageFolder, temporary};
    ResetKernel();
    return true;
}

// A factory state that does not load is a fault of the simulator, not of the
// code under test: it is reported, and the device is usable for what loaded.
bool LoadFactoryState()
{
    platform::device_setup::FactoryData data = platform::device_setup::ParseFactoryData(kFreshDeviceData);
    if (!data.error.empty()) device::ReportFault("fresh device data: " + data.error);
    for (const std::string& failure : platform::device_setup::ApplyFactoryData(data))
        device::ReportFault("fresh device: could not write " + failure);
    // The logs show what was asked of the device after it left the factory.
    device::ClearRegistryCalls();
    device::ClearFileCalls();
    return true;
}

// The shell is the device's, not a joining program's: it starts only where
// the device itself opens.
bool OpenShell()
{
    platform::shell::StartShell();
    return true;
}

// What opens as an image; only a full image is ever wiped.
bool HoldsRegistry(const fs::path& folder)
{
    std::error_code error;
    return fs::symlink_status(folder / kRegistryFile, error).type() != fs::file_type::not_found;
}

bool IsEmptyFolder(const fs::path& folder)
{
    std::error_code error;
    return !fs::exists(folder, error) || (fs::is_directory(folder, error) && fs::is_empty(folder, error));
}

}  // namespace

namespace device {

bool CreateFresh()
{
    Close();
    std::optional<std::string> folder = platform::device_setup::MakeTemporaryFolder();
    if (!folder) return false;
    // The registry is a file even here: programs the device starts run in
    // processes of their own and open the same database.
    if (!Attach(*folder, RegistryFile(*folder), true)) {
        platform::device_setup::RemoveTemporaryFolder(*folder);
        return false;
    }
    return LoadFactoryState() && OpenShell();
}

bool OpenImage(const std::string& folder)
{
    if (!HoldsRegistry(folder)) return CreateImage(folder);
    Close();
    return Attach(folder, RegistryFile(folder), false) && OpenShell();
}

// Only a device image's own entries go, and only from a folder laid out as
// one: a mistyped path must not cost the user a folder of their own.
bool CreateImage(const std::string& folder)
{
    Close();
    std::error_code error;
    if (platform::device_setup::HasImageLayout(folder)) {
        platform::device_setup::RemoveImageEntries(folder);
    } else if (!IsEmptyFolder(folder)) {
        ReportFault("not a device image and not empty: " + folder);
        return false;
    }
    if (!fs::create_directories(folder, error) && error) return false;
    if (!Attach(folder, RegistryFile(folder), false)) return false;
    return LoadFactoryState() && OpenShell();
}

void Close()
{
    if (!current.open) return;
    StopRunning();
    platform::setup::ForgetLastBoot();
    platform::power::ResetPower();
    platform::process::ResetSilenceLimit();
    platform::files::Unmount();
    platform::registry::Detach();
    platform::registry::ClearInjectedFailures();
    if (current.temporary) platform::device_setup::RemoveTemporaryFolder(current.imageFolder);
    current = {};
}

bool IsOpen() { return current.open; }

std::vector<BootStep> Restart()
{
    if (!current.open) return {};
    StopRunning();
    // Registry handles belong to the processes that went.
    platform::registry::Detach();
    if (!platform::registry::Attach(RegistryFile(current.imageFolder))) {
        ReportFault("restart: the registry of " + current.imageFolder + " did not open again");
        return {};
    }
    StartClock();
    OpenShell();
    return Boot();
}

std::string ImageFolder() { return current.imageFolder; }

std::string FileRoot() { return (fs::path(current.imageFolder) / "files").string(); }

}  // namespace device

namespace platform::device_setup {

bool JoinImage(const std::string& folder)
{
    if (!HoldsRegistry(folder)) return false;
    device::Close();
    return Attach(folder, RegistryFile(folder), false);
}

}  // namespace platform::device_setup
