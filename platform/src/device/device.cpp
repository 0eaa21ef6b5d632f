#include <device/device.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <device/faults.h>
#include <device/registry_calls.h>

#include "comctl/image_list_table.h"
#include "device/factory_data.h"
#include "files/file_system.h"
#include "gdi/gdi_object_table.h"
#include "gdi/window_surfaces.h"
#include "kernel/handle_table.h"
#include "kernel/message_box.h"
#include "kernel/virtual_clock.h"
#include "library/module_lifecycle.h"
#include "registry/registry_store.h"
#include "shell/input_services.h"
#include "user/idle_delivery.h"
#include "user/user_state.h"

extern const char kFreshDeviceData[];

namespace fs = std::filesystem;

namespace {

const char kRegistryFile[] = "registry.db";

struct OpenDevice {
    bool open = false;
    std::string imageFolder;
    bool temporary = false;  // a fresh in-memory device's folder goes with it
};

OpenDevice current;

void ResetKernel()
{
    platform::kernel::ResetClock();
    platform::kernel::SetClockAdvanceHandler(platform::user::RunTimersUntil);
    platform::kernel::ResetMessageBoxes();
    platform::user::Reset();
    device::TakeFaults();
}

bool Attach(const std::string& imageFolder, const std::string& registryPath, bool temporary)
{
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
    device::ClearRegistryCalls();  // the log shows what was asked of the device after it left the factory
    return true;
}

bool IsDeviceImage(const fs::path& folder)
{
    std::error_code error;
    return fs::exists(folder / kRegistryFile, error);
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
    char pattern[] = "/tmp/lexovia-device-XXXXXX";
    if (!mkdtemp(pattern)) return false;
    if (!Attach(pattern, ":memory:", true)) {
        std::error_code error;
        fs::remove_all(pattern, error);
        return false;
    }
    return LoadFactoryState();
}

bool OpenImage(const std::string& folder)
{
    if (!IsDeviceImage(folder)) return CreateImage(folder);
    Close();
    return Attach(folder, (fs::path(folder) / kRegistryFile).string(), false);
}

// Only a device image or an empty folder is wiped: a mistyped path must not
// cost the user a folder of their own.
bool CreateImage(const std::string& folder)
{
    Close();
    std::error_code error;
    if (!IsDeviceImage(folder) && !IsEmptyFolder(folder)) {
        ReportFault("not a device image and not empty: " + folder);
        return false;
    }
    fs::remove_all(folder, error);
    if (!fs::create_directories(folder, error) && error) return false;
    if (!Attach(folder, (fs::path(folder) / kRegistryFile).string(), false)) return false;
    return LoadFactoryState();
}

void Close()
{
    if (!current.open) return;
    platform::shell::CloseInputServices();
    // Libraries unload first: their DllMain and destructors still see the
    // device, windows included.
    platform::library::UnloadAllModules();
    platform::comctl::ImageLists().Clear();
    platform::gdi::GdiObjects().Clear();
    platform::gdi::ForgetSurfaces();
    platform::user::Reset();
    platform::kernel::Handles().CloseAll();
    platform::files::Unmount();
    platform::registry::Detach();
    if (current.temporary) {
        std::error_code error;
        fs::remove_all(current.imageFolder, error);
    }
    current = {};
}

bool IsOpen() { return current.open; }

std::string FileRoot() { return (fs::path(current.imageFolder) / "files").string(); }

}  // namespace device
