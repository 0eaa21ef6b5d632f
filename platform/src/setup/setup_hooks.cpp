#include "setup/setup_hooks.h"

#include <winbase.h>

#include <device/libraries.h>
#include <device/text.h>

namespace platform::setup {
namespace {

// Through void (*)(), the one function type any other converts to cleanly.
template <class Function>
bool Find(HMODULE library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    return function != nullptr;
}

}  // namespace

std::unique_ptr<SetupHooks> SetupHooks::Load(const std::u16string& devicePath, std::string& problem)
{
    HMODULE library = LoadLibraryW(devicePath.c_str());
    if (!library) {
        problem = "the setup library " + device::Utf8(devicePath) + " does not load: " + device::LastLibraryFailure();
        return nullptr;
    }
    std::unique_ptr<SetupHooks> hooks(new SetupHooks(library));
    for (auto [name, found] : {std::pair{"Install_Init", Find(library, "Install_Init", hooks->installInit)},
                               std::pair{"Install_Exit", Find(library, "Install_Exit", hooks->installExit)},
                               std::pair{"Uninstall_Init", Find(library, "Uninstall_Init", hooks->uninstallInit)},
                               std::pair{"Uninstall_Exit", Find(library, "Uninstall_Exit", hooks->uninstallExit)}}) {
        if (!found) {
            problem = "the setup library " + device::Utf8(devicePath) + " has no " + name;
            return nullptr;
        }
    }
    return hooks;
}

SetupHooks::~SetupHooks() { FreeLibrary(library_); }

std::u16string SetupLibraryPath(const std::u16string& application)
{
    return u"\\Windows\\AppMgr\\" + application + u".dll";
}

}  // namespace platform::setup
