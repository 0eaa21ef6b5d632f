#include "files/file_system.h"

#include <device/file_calls.h>
#include <winbase.h>

#include "files/file_search.h"
#include "files/open_file.h"
#include "kernel/handle_table.h"

namespace fs = std::filesystem;

namespace platform::files {
namespace {

std::unique_ptr<Volume> mounted;

}  // namespace

bool Mount(const std::string& imageFolder)
{
    Unmount();
    device::ClearFileCalls();
    fs::path root = fs::path(imageFolder) / "files";
    std::error_code error;
    fs::create_directories(root, error);
    if (error || !fs::is_directory(root, error)) return false;
    std::unique_ptr<AttributeStore> attributes =
        AttributeStore::Open((fs::path(imageFolder) / "attributes.db").string());
    if (!attributes) return false;
    mounted = std::make_unique<Volume>(root, std::move(attributes), RomFiles(fs::path(imageFolder) / "rom"));
    return true;
}

void Unmount()
{
    kernel::Handles().CloseAllOf<OpenFile>();
    kernel::Handles().CloseAllOf<FileSearch>();
    mounted.reset();
}

Volume* CurrentVolume()
{
    if (!mounted) SetLastError(ERROR_NOT_READY);
    return mounted.get();
}

}  // namespace platform::files
